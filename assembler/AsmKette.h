// The assembler's singly linked lists: each node owns the nodes behind it, lists are appended
// at the tail and walked in creation order.
#pragma once

#include "platform/log/Log.h"

#include <memory>

// Base of every list node. Destroying a node destroys the nodes behind it, in a loop, so that
// a long list cannot exhaust the stack.
template <class T> class TAsmKnoten {
public:
    // Appends node behind the last node of the list that starts here.
    void Add(std::unique_ptr<T> node) {
        LOG_FKT("TAsmKnoten::Add");
        TAsmKnoten *last = this;
        while (last->next)
            last = last->next.get();
        last->next = std::move(node);
    }
    T *Next() const { return next.get(); }

    std::unique_ptr<T> next;

protected:
    TAsmKnoten() = default;
    ~TAsmKnoten() {
        std::unique_ptr<T> rest = std::move(next);
        while (rest)
            rest = std::move(rest->next);
    }
    TAsmKnoten(const TAsmKnoten &) = delete;
    TAsmKnoten &operator=(const TAsmKnoten &) = delete;
};

// The head of a list with its tail, so that appending does not walk the list.
template <class T> class TAsmKette {
public:
    T *Append(std::unique_ptr<T> node) {
        LOG_FKT("TAsmKette::Append");
        T *added = node.get();
        if (FTail)
            FTail->Add(std::move(node));
        else
            FHead = std::move(node);
        FTail = added;
        return added;
    }
    T *First() const { return FHead.get(); }

private:
    std::unique_ptr<T> FHead;
    T *FTail = nullptr;
};

// The record store: records keyed 1..n in file order, their record-file form, and filtered
// views that write their changes back into the store they were made from when deleted.
//
// Ownership: a store owns its records and every view still alive in its children list. A
// caller that gets a view from Filter deletes it when done (that commits its changes); views
// left alive are deleted, children first, with their parent.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "platform/log/Log.h"
#include "platform/vcl/Streams.h"
#include "platform/vcl/TStringList.h"
#include "platform/vcl/TextLines.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <list>
#include <map>
#include <string_view>
#include <vector>

// The store's error: one message text, thrown by value.
class E_DatenManager {
public:
    explicit E_DatenManager(AnsiString msg = {}) : Message(std::move(msg)) {}
    AnsiString Message;
};

// One entry of a sorted snapshot: the key and a copy of the record.
template <class T> struct TSortDaten {
    int32_t Key;
    T Daten;

    struct sort_daten {
        AnsiString Feld;
        bool operator()(const TSortDaten &a, const TSortDaten &b) const {
            LOG_FKT("TSortDaten::sort_daten::operator()");
            return a.Daten.IsLess(Feld, b.Daten);
        }
    };
};

template <class T> class TDatenManager {
public:
    using TMap = std::map<int32_t, T>;

    // Loads a record-file text; a null stream throws.
    explicit TDatenManager(TMemoryStream *stream) {
        LOG_FKT("TDatenManager::TDatenManager");
        if (!stream)
            throw E_DatenManager();
        LoadFromStream(stream);
    }

    // Loads a copy of size bytes; a null buffer or a negative size throws.
    TDatenManager(const void *buffer, int32_t size) {
        LOG_FKT("TDatenManager::TDatenManager");
        if (!buffer || size < 0)
            throw E_DatenManager();
        TMemoryStream tmp;
        tmp.SetSize(size);
        tmp.SetPosition(0);
        if (tmp.Write(buffer, size) < size)
            throw E_DatenManager();
        LoadFromStream(&tmp);
    }

    ~TDatenManager() {
        LOG_FKT("TDatenManager::~TDatenManager");
        while (!FChildren.empty())
            delete FChildren.front(); // each view unlinks itself
        if (FParent) {
            Abgleich();
            FParent->RemoveChild(this);
        }
    }

    TDatenManager(const TDatenManager &) = delete;
    TDatenManager &operator=(const TDatenManager &) = delete;

    // Replaces the records by those of the record-file text at the stream's start; a null
    // stream throws and keeps the records.
    void LoadFromStream(TMemoryStream *stream) {
        LOG_FKT("TDatenManager::LoadFromStream");
        if (!stream)
            throw E_DatenManager();
        FDaten.clear();
        FCursor = FDaten.end();
        FFromParent = 0; // loaded records are no copies of the parent's
        std::string_view text(reinterpret_cast<const char *>(stream->Memory()),
                              static_cast<size_t>(stream->Size()));
        int32_t key = 1;
        ForEachTextLine(text, [&](std::string_view line) {
            if (line.empty() || line.front() == '#')
                return;
            T rec;
            try {
                rec.Fill(line);
            } catch (const E_DatenStruktur &e) {
                throw E_DatenManager(e.Message);
            }
            FDaten.emplace_hint(FDaten.end(), key++, std::move(rec));
        });
        FCursor = FDaten.end();
    }

    // Inserts a copy under the greatest key plus one (0 in an empty store).
    void Add(const T &record) {
        LOG_FKT("TDatenManager::Add");
        const int32_t key = FDaten.empty() ? 0 : FDaten.rbegin()->first + 1;
        FDaten.emplace_hint(FDaten.end(), key, record);
    }

    // "" or "0" as field name: FilterStandard (a box, no view). Otherwise a view of the records
    // whose field equals wert, under their keys; the caller deletes it.
    TDatenManager *Filter(const AnsiString &feld, int16_t wert) {
        LOG_FKT("TDatenManager::Filter");
        if (feld.empty() || feld == "0")
            return FilterStandard(wert);
        return FilterFeldName(feld, wert);
    }
    TDatenManager *Filter(const AnsiString &feld, int32_t wert) {
        LOG_FKT("TDatenManager::Filter");
        if (feld.empty() || feld == "0")
            return FilterStandard(wert);
        return FilterFeldName(feld, wert);
    }

    TDatenManager *FilterStandard(int32_t) {
        LOG_FKT("TDatenManager::FilterStandard");
        MessageBox(nullptr,
                   "Bitte Funktion TDatenManager<T>::FilterFeldName benutzen, bnis diese hier "
                   "repariert ist.\nDanke!",
                   "TDatenManager<T>::FilterStandard", MB_OK);
        return nullptr;
    }

    template <class V> TDatenManager *FilterFeldName(const AnsiString &feld, V wert) {
        LOG_FKT("TDatenManager::FilterFeldName");
        TMap matches;
        for (const auto &[key, rec] : FDaten)
            if (rec.IsEqual(feld, wert))
                matches.emplace_hint(matches.end(), key, rec);
        auto *view = new TDatenManager(std::move(matches), this);
        FChildren.push_back(view);
        return view;
    }

    // "" or "0": by Handle. Copies the first match in key order into out.
    bool Find(const AnsiString &feld, int32_t wert, T &out) const {
        LOG_FKT("TDatenManager::Find");
        if (feld.empty() || feld == "0")
            return FindStandard(wert, out);
        return FindFeldName(feld, wert, out);
    }
    bool FindStandard(int32_t wert, T &out) const {
        LOG_FKT("TDatenManager::FindStandard");
        for (const auto &[key, rec] : FDaten)
            if (rec.Handle == wert) {
                out = rec;
                return true;
            }
        return false;
    }
    bool FindFeldName(const AnsiString &feld, int32_t wert, T &out) const {
        LOG_FKT("TDatenManager::FindFeldName");
        for (const auto &[key, rec] : FDaten)
            if (rec.IsEqual(feld, wert)) {
                out = rec;
                return true;
            }
        return false;
    }

    // Walk in key order through the stored records, or, once sorted, through the snapshot.
    T *GetFirst() {
        LOG_FKT("TDatenManager::GetFirst");
        if (FSorted) {
            FSortCursor = 0;
            return FSortCursor < FSortList.size() ? &FSortList[FSortCursor].Daten : nullptr;
        }
        FCursor = FDaten.begin();
        return FCursor != FDaten.end() ? &FCursor->second : nullptr;
    }
    T *GetNext() {
        LOG_FKT("TDatenManager::GetNext");
        if (FSorted) {
            if (FSortCursor >= FSortList.size())
                return nullptr;
            return ++FSortCursor < FSortList.size() ? &FSortList[FSortCursor].Daten : nullptr;
        }
        if (FCursor == FDaten.end())
            return nullptr;
        return ++FCursor != FDaten.end() ? &FCursor->second : nullptr;
    }

    // Snapshot of the records, stably sorted by the field; the walk uses it from now on.
    void Sort(const AnsiString &feld) {
        LOG_FKT("TDatenManager::Sort");
        std::vector<TSortDaten<T>> list;
        list.reserve(FDaten.size());
        for (const auto &[key, rec] : FDaten)
            list.push_back({key, rec});
        std::stable_sort(list.begin(), list.end(), typename TSortDaten<T>::sort_daten{feld});
        FSortList = std::move(list);
        FSortCursor = FSortList.size();
        FSorted = true;
    }

    // Record-file form: heading, comment, before, records in key order, after; CR LF each.
    void SaveToStream(TMemoryStream *stream, const TStringList *before,
                      const TStringList *after) const {
        LOG_FKT("TDatenManager::SaveToStream");
        if (!stream)
            throw E_DatenManager();
        const AnsiString text = FileText(before, after);
        stream->SetSize(0);
        stream->WriteBuffer(text.data(), static_cast<long long>(text.size()));
        stream->SetPosition(0);
    }
    // Creates or replaces the file; the file-creation error passes to the caller.
    void SaveToFile(const AnsiString &fileName, const TStringList *before,
                    const TStringList *after) const {
        LOG_FKT("TDatenManager::SaveToFile");
        const AnsiString text = FileText(before, after);
        TFileStream f(fileName, fmCreate);
        f.WriteBuffer(text.data(), static_cast<long long>(text.size()));
    }

private:
    // A view: copies of the parent's matching records under their keys.
    TDatenManager(TMap daten, TDatenManager *parent)
        : FDaten(std::move(daten)), FCursor(FDaten.end()), FFromParent(FDaten.size()),
          FParent(parent) {
        LOG_FKT("TDatenManager::TDatenManager");
    }

    // Writes the copies back over the parent's records of the same keys. Records added to the
    // view stay out: their keys, beyond the copies', may name other records of the parent.
    void Abgleich() {
        LOG_FKT("TDatenManager::Abgleich");
        auto rec = FDaten.begin();
        for (size_t i = 0; i < FFromParent && rec != FDaten.end(); ++i, ++rec) {
            const auto it = FParent->FDaten.find(rec->first);
            if (it != FParent->FDaten.end())
                it->second = rec->second;
        }
    }

    void RemoveChild(TDatenManager *child) {
        LOG_FKT("TDatenManager::RemoveChild");
        const auto it = std::find(FChildren.begin(), FChildren.end(), child);
        if (it != FChildren.end())
            FChildren.erase(it);
    }

    AnsiString FileText(const TStringList *before, const TStringList *after) const {
        LOG_FKT("TDatenManager::FileText");
        const T head;
        AnsiString text;
        text.reserve(64 + FDaten.size() * 160);
        auto line = [&text](const AnsiString &s) {
            text += s;
            text += "\r\n";
        };
        line(head.GetKopfZeile());
        line(head.GetKommentarZeile());
        if (before)
            for (const auto &s : *before)
                line(s);
        for (const auto &[key, rec] : FDaten)
            line(rec.GetDatensatzZeile());
        if (after)
            for (const auto &s : *after)
                line(s);
        return text;
    }

    TMap FDaten;
    typename TMap::iterator FCursor = FDaten.end();
    std::list<TDatenManager *> FChildren; // live views, deleted by this store's destructor
    std::vector<TSortDaten<T>> FSortList;
    size_t FSortCursor = 0;
    // A view's first records (in key order) are the parent's copies; Add appends beyond them.
    size_t FFromParent = 0;
    TDatenManager *FParent = nullptr;
    bool FSorted = false;
};

extern template class TDatenManager<TDatenStruktur>;

// Root of the component library's classes: what event senders, grid editors and data objects
// are passed as, and recognised by their class through dynamic_cast.
#pragma once

class TObject {
public:
    virtual ~TObject() = default;
};

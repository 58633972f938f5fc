#include "foundation/SprTexte.h"

#include "platform/vcl/Cp1252.h"

#include <unordered_map>

namespace {

struct TRohText {
    int key;
    const char *utf8;
};

constexpr TRohText kTexte[] = {
#define SPR_TEXT(id, text) {id, text},
#define SPR_OBJEKTTYP(code, text)
#include "foundation/SprTexte.inc"
#undef SPR_TEXT
#undef SPR_OBJEKTTYP
};

constexpr TRohText kObjektTypen[] = {
#define SPR_TEXT(id, text)
#define SPR_OBJEKTTYP(code, text) {code, text},
#include "foundation/SprTexte.inc"
#undef SPR_TEXT
#undef SPR_OBJEKTTYP
};

using TTabelle = std::unordered_map<int, AnsiString>;

template <size_t N> TTabelle Fuelle(const TRohText (&roh)[N]) {
    TTabelle t;
    for (const auto &r : roh)
        t.emplace(r.key, Utf8ToAnsi(r.utf8));
    return t;
}

const AnsiString &Suche(const TTabelle &t, int key) {
    static const AnsiString leer;
    const auto it = t.find(key);
    return it == t.end() ? leer : it->second;
}

} // namespace

// The tables are function-local statics: filled on first use, so that no static initialiser
// (which the linker may drop from a static library) is needed.
const AnsiString &SprText(int id) {
    static const TTabelle texte = Fuelle(kTexte);
    return Suche(texte, id);
}

const AnsiString &SprObjektTypText(int code) {
    static const TTabelle typen = Fuelle(kObjektTypen);
    return Suche(typen, code);
}

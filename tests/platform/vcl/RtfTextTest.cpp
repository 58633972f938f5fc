#include "platform/vcl/RtfText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TFall {
    const char *Name;
    AnsiString Rtf;
    bool Ok;
    AnsiString Text;
};

TEST(RtfText, TheSubsetToPlainText) {
    const TFall faelle[] = {
        {"paragraphs end in CR LF", "{\\rtf1 eins\\par zwei\\par}", true, "eins\r\nzwei\r\n"},
        {"hex escape is the cp1252 byte", "{T\\'fcr \\'dcberfall}", true,
         "T\xfcr \xdc"
         "berfall"},
        {"upper-case hex", "{\\'C4}", true, "\xc4"},
        {"escaped backslash and braces", "{a\\\\b\\{c\\}}", true, "a\\b{c}"},
        {"words with numbers dropped with one blank", "{\\fs20 \\b1  x\\b0}", true, " x"},
        {"negative parameter", "{\\li-200 x}", true, "x"},
        {"line breaks of the file are no text", "{a\r\nb\nc}", true, "abc"},
        {"font table skipped", "{\\rtf1{\\fonttbl{\\f0 Arial;}}x}", true, "x"},
        {"starred destination skipped", "{{\\*\\generator Editor;}x}", true, "x"},
        {"colour table skipped", "{{\\colortbl;\\red0;}y}", true, "y"},
        {"word not at a group start is not a destination", "{x\\info y}", true, "xy"},
        {"lone backslash at the end", "{x\\", false, "x"},
        {"hex escape cut short", "{x\\'f", false, "x"},
        {"hex escape with no hex", "{\\'zz}", false, ""},
        {"group not closed", "{x", false, "x"},
        {"too many closing braces", "x}}", false, "x"},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        AnsiString text = "alt";
        AnsiString fehler;
        EXPECT_EQ(RtfZuText(f.Rtf, text, &fehler), f.Ok);
        EXPECT_EQ(text, f.Text);
        EXPECT_EQ(fehler.empty(), f.Ok) << fehler;
    }
}

// The same files with a line break between their pieces, as another word processor or an editor
// by hand may write them: the text is the same.
TEST(RtfText, LineBreaksBetweenThePiecesChangeNothing) {
    struct TDatei {
        const char *Name;
        std::vector<AnsiString> Stuecke;
        AnsiString Text;
    };
    const TDatei dateien[] = {
        {"font table",
         {"{\\rtf1 ", "{", "\\fonttbl ", "{", "\\f0 Arial;", "}", "}", "Text", "}"},
         "Text"},
        {"colour table", {"{", "\\colortbl;", "\\red0;", "}", "y"}, "y"},
        {"style sheet",
         {"{\\rtf1", "{", "\\stylesheet ", "{", "\\s0 Normal;", "}", "}", "a", "\\par ", "b", "}"},
         "a\r\nb"},
        {"information", {"{", "\\info ", "{", "\\title Beschreibung", "}", "}", "z"}, "z"},
        {"starred destination", {"{", "\\*", "\\generator Editor;", "}", "x"}, "x"},
        {"starred inside the document",
         {"{\\rtf1 ", "T\\'fcr", "{", "\\*", "\\bkmkstart eins", "}", " zu", "}"},
         "T\xfcr zu"},
    };
    for (const TDatei &d : dateien) {
        for (const char *umbruch : {"", "\r\n", "\n"}) {
            SCOPED_TRACE(testing::Message() << d.Name << ", line break "
                                            << testing::PrintToString(std::string(umbruch)));
            AnsiString rtf;
            for (size_t i = 0; i < d.Stuecke.size(); ++i)
                rtf += (i ? umbruch : "") + d.Stuecke[i];
            AnsiString text = "alt";
            AnsiString fehler;
            EXPECT_TRUE(RtfZuText(rtf, text, &fehler)) << fehler;
            EXPECT_EQ(text, d.Text);
        }
    }
}

} // namespace

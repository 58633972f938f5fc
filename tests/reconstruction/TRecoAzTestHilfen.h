// What the driver's and the report's tests share: a fixture image written as a device image
// file into a temporary folder (whole, or with a section missing or cut short), the file's
// text, and the detailed error boxes recorded.
#pragma once

#include "TPanelImageFixture.h"
#include "TempProject.h"
#include "foundation/SprTexte.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/dialogs/ShowRecoErrors.h"
#include "platform/vcl/Streams.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::string DateiText(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string StreamBytes(const TMemoryStream &stream) {
    return {reinterpret_cast<const char *>(stream.Memory()), static_cast<size_t>(stream.Size())};
}

// The one detailed error box a failed step shows: its text, the panel's caption, no detail, the
// source file and a line, the failing method and the stop icon.
inline void PruefeFehlerbox(const std::vector<TDetailMessageBox> &boxes, const AnsiString &text,
                            const char *methode, const char *datei) {
    ASSERT_EQ(boxes.size(), 1u);
    const TDetailMessageBox &box = boxes[0];
    EXPECT_EQ(box.Text, text);
    EXPECT_EQ(box.Caption, SprText(11384));
    EXPECT_EQ(box.Detail, "");
    EXPECT_EQ(box.Methode, methode);
    EXPECT_EQ(box.Icon, 16);
    EXPECT_EQ(box.Datei, datei);
    EXPECT_GT(std::atoi(box.Zeile.c_str()), 0);
}

// How the image file is spoiled.
enum class TImageFehler { Keiner, OhneAbschnitt, Kurz };

// The image text without the section, or with its last data line dropped (a byte range that
// the block does not cover).
inline std::string VerdorbenesImage(std::string text, TImageFehler fehler, const char *block) {
    if (fehler == TImageFehler::Keiner)
        return text;
    const std::string open = "<" + std::string(block) + ">";
    const std::string close = "</" + std::string(block) + ">\r\n";
    const size_t from = text.find(open);
    const size_t to = text.find(close, from);
    if (from == std::string::npos || to == std::string::npos)
        throw std::logic_error("no section " + std::string(block));
    if (fehler == TImageFehler::OhneAbschnitt)
        return text.erase(from, to + close.size() - from);
    const size_t end = text.rfind("S9", to);
    const size_t last = text.rfind("\r\nS1", end) + 2;
    return text.erase(last, end - last);
}

class TRecoAzFixture : public ::testing::Test {
protected:
    // The panel's image file, as the read-out writes it, spoiled when asked.
    std::filesystem::path Schreibe(TImageFehler fehler = TImageFehler::Keiner,
                                   const char *block = "BcuSoftware") {
        std::ofstream out(Image, std::ios::binary | std::ios::trunc);
        out << VerdorbenesImage(Panel.X19Text(), fehler, block);
        return Image;
    }

    TTempProject Project{false};
    TPanelImageFixture Panel{0x1105};
    std::filesystem::path Image = Project.Dir() / "1105.x19";
    TShowDetailMessageBoxRecorder Details;
    TShowRecoErrorsRecorder Meldungen;
    TMessageBoxRecorder Boxes;
};

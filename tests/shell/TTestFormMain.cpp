#include "TTestFormMain.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/win/Profile.h"

#include <fstream>

namespace {
// The interface object with the decoder that the host's connection would feed; the decoder
// goes before the object it is registered on.
class TTestCdi : public TEts2Cdi_Extended1 {
public:
    TTestCdi(const std::filesystem::path &file, const AnsiString &module, int32_t panel,
             TEtsEventDecoder::TWriter writer)
        : TEts2Cdi_Extended1(file, module, panel), Decoder(*this, std::move(writer)) {}
    TEtsEventDecoder Decoder;
};
} // namespace
#include <sstream>

TTestFormMain::TTestFormMain(const std::vector<TEinstellung> &settings) {
    DM = std::make_unique<TDM>((Project.Dir() / "pultor").string());
    for (const TEinstellung &e : settings)
        WritePrivateProfileString(e.Section, e.Key, e.Value.c_str(), DM->IniFile.c_str());
    const std::filesystem::path file = Project.File();
    const int32_t panel = Project.PanelId();
    Main = std::make_unique<TFormMain>(
        *DM, PanelProductData().moduleName,
        [this, file, panel](HWND, const AnsiString &module) -> std::unique_ptr<TEts2Cdi_Extended1> {
            return std::make_unique<TTestCdi>(file, module, panel, [this](const std::string &line) {
                Zeilen.push_back(line);
                return true;
            });
        });
    Main->SetDeviceDialoge(std::make_unique<TTestDialoge>());
}

TEtsEventDecoder *TTestFormMain::Decoder() const {
    auto *cdi = dynamic_cast<TTestCdi *>(Main->Cdi());
    return cdi ? &cdi->Decoder : nullptr;
}

TTestFormMain::~TTestFormMain() {
    Main.reset();
    DeliverPostedMessages();
    DM.reset();
}

bool TTestFormMain::Oeffne() {
    const size_t vorher = Zeilen.size();
    Ereignis("EditParameters " + std::to_string(Project.PanelId()));
    return Zeilen.size() == vorher + 1 && Zeilen.back() == "Answer 0 1";
}

void TTestFormMain::Ereignis(const std::string &line) {
    if (TEtsEventDecoder *decoder = Decoder())
        decoder->Feed(line + "\n");
    DeliverPostedMessages();
}

std::string TTestFormMain::Ini(const char *section, const char *key) const {
    char buffer[1024];
    const DWORD n =
        GetPrivateProfileString(section, key, "", buffer, sizeof buffer, DM->IniFile.c_str());
    return std::string(buffer, n);
}

std::string TTestFormMain::Block() {
    unsigned char *data = nullptr;
    unsigned long size = 0;
    if (!Project.Cdi().BlobRead(&data, &size, Project.PanelId()))
        return {};
    return std::string(reinterpret_cast<const char *>(data), size);
}

std::filesystem::path TTestFormMain::AutoSaveDatei() const {
    return Project.Dir() / "AZ" / "AutoSave" / (std::to_string(Project.PanelId()) + ".azs");
}

std::vector<std::string> TTestFormMain::BoxTexte() const {
    std::vector<std::string> out;
    for (const auto &b : Boxen.Boxes())
        out.push_back(b.text);
    return out;
}

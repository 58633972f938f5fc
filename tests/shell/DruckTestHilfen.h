// The print tests' helpers: a print helper that notes its reports' lives (so that a test sees
// when a report is made and when it goes), and the check of a printed panel's pages.
#pragma once

#include "ReportTestHilfen.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "platform/report/TVumaReport.h"
#include "platform/vcl/Cp1252.h"
#include "shell/TDrucken.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Checks that every page of the PDF carries the header of the device's print and its page
// number; answers the text of all pages.
inline std::string PruefeSeiten(const std::filesystem::path &pdf, int seiten,
                                const TDeviceInstanz::TDeviceEtsInfo &ets) {
    const std::string projekt = "Projekt: " + AnsiToUtf8(ets.ProjectName);
    const std::string geraet =
        "Gerät: " + AnsiToUtf8(ets.ProductText) + ", Phys.Adr.: " + AnsiToUtf8(ets.PhysAdr);
    std::string alles;
    for (int p = 1; p <= seiten; ++p) {
        SCOPED_TRACE("page " + std::to_string(p));
        const std::string text = PdfSeite(pdf, p);
        EXPECT_NE(text.find(projekt), std::string::npos);
        EXPECT_NE(text.find(geraet), std::string::npos);
        EXPECT_NE(text.find("Seite " + std::to_string(p)), std::string::npos);
        alles += text;
    }
    return alles;
}

// Counts its reports' lives: "+n" when made, "-n" when deleted.
class TZaehlDrucken : public TDrucken {
public:
    class TZaehlReport : public TVumaReport {
    public:
        TZaehlReport(TReportKnotenListe nodes, TDrawGridSE *grid, void *owner, TRecReportInfo info,
                     const TReportBilder *images, std::vector<std::string> &log, int n)
            : TVumaReport(std::move(nodes), grid, owner, std::move(info), images, nullptr, {}),
              FLog(log), FN(n) {
            FLog.push_back("+" + std::to_string(FN));
        }
        ~TZaehlReport() override { FLog.push_back("-" + std::to_string(FN)); }

    private:
        std::vector<std::string> &FLog;
        int FN;
    };
    explicit TZaehlDrucken(std::vector<std::string> &log) : Log(log) {}
    std::vector<std::string> &Log;

protected:
    std::unique_ptr<TVumaReport> NeuerReport(TReportKnotenListe nodes, TDrawGridSE *grid,
                                             void *owner, TRecReportInfo info,
                                             const TReportBilder *images) override {
        return std::make_unique<TZaehlReport>(std::move(nodes), grid, owner, std::move(info),
                                              images, Log, ++FN);
    }

private:
    int FN = 0;
};

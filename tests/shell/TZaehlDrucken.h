// A print helper for tests that notes its reports' lives, so that a test sees when a report is
// made and when it goes.
#pragma once

#include "platform/report/TVumaReport.h"
#include "shell/TDrucken.h"

#include <memory>
#include <string>
#include <vector>

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

#include "platform/bustool/TEtsMeter.h"

#include "platform/log/Log.h"

namespace {

TEtsMeterFactory &Factory() {
    static TEtsMeterFactory factory;
    return factory;
}

class TSilentMeter : public TEtsMeterView {
public:
    void SetCaption(const AnsiString &) override { LOG_FKT("TSilentMeter::SetCaption"); }
    void SetText(int, const AnsiString &) override { LOG_FKT("TSilentMeter::SetText"); }
    void SetPosition(uint16_t) override { LOG_FKT("TSilentMeter::SetPosition"); }
    bool AbortRequested() override {
        LOG_FKT("TSilentMeter::AbortRequested");
        return false;
    }
};

class TRecordingMeter : public TEtsMeterView {
public:
    TRecordingMeter(std::shared_ptr<TEtsMeterRecorder::TState> state, int kind)
        : FState(std::move(state)) {
        LOG_FKT("TRecordingMeter::TRecordingMeter");
        FState->calls.push_back("open " + std::to_string(kind));
    }
    ~TRecordingMeter() override {
        LOG_FKT("TRecordingMeter::~TRecordingMeter");
        FState->calls.push_back("close");
    }
    void SetCaption(const AnsiString &text) override {
        LOG_FKT("TRecordingMeter::SetCaption");
        FState->calls.push_back("caption " + text);
    }
    void SetText(int line, const AnsiString &text) override {
        LOG_FKT("TRecordingMeter::SetText");
        FState->calls.push_back("text" + std::to_string(line) + " " + text);
    }
    void SetPosition(uint16_t position) override {
        LOG_FKT("TRecordingMeter::SetPosition");
        FState->position = position;
        FState->calls.push_back("position " + std::to_string(position));
    }
    bool AbortRequested() override {
        LOG_FKT("TRecordingMeter::AbortRequested");
        return FState->aborted || (FState->abortFrom >= 0 && FState->position >= FState->abortFrom);
    }

private:
    std::shared_ptr<TEtsMeterRecorder::TState> FState;
};

} // namespace

TEtsMeterFactory SetEtsMeterFactory(TEtsMeterFactory factory) {
    LOG_FKT("SetEtsMeterFactory");
    TEtsMeterFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

std::unique_ptr<TEtsMeterView> OpenEtsMeterView(HWND owner, int kind) {
    LOG_FKT("OpenEtsMeterView");
    if (Factory())
        if (auto view = Factory()(owner, kind))
            return view;
    return std::make_unique<TSilentMeter>();
}

TEtsMeterRecorder::TEtsMeterRecorder() : FState(std::make_shared<TState>()) {
    LOG_FKT("TEtsMeterRecorder::TEtsMeterRecorder");
    FPrevious = SetEtsMeterFactory([state = FState](HWND, int kind) {
        return std::make_unique<TRecordingMeter>(state, kind);
    });
}

TEtsMeterRecorder::~TEtsMeterRecorder() {
    LOG_FKT("TEtsMeterRecorder::~TEtsMeterRecorder");
    SetEtsMeterFactory(std::move(FPrevious));
}

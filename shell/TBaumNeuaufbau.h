// The bracket around a command that rebuilds the trees: every project window drops its grid
// editor and begins an update of its tree with sorting off; the end of the bracket ends the
// updates and sorts again. Placeholder until that work lands.
#pragma once

class TFormMain;

class TBaumNeuaufbau {
public:
    explicit TBaumNeuaufbau(TFormMain &main);
    ~TBaumNeuaufbau();
    TBaumNeuaufbau(const TBaumNeuaufbau &) = delete;
    TBaumNeuaufbau &operator=(const TBaumNeuaufbau &) = delete;

private:
    TFormMain &FMain;
};

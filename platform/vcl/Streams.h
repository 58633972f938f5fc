// Byte streams of the component library: an in-memory stream and a file stream.
#pragma once

#include "platform/vcl/AnsiString.h"

#include <cstdint>
#include <cstdio>
#include <vector>

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

// File stream modes, as the library numbered them.
enum : unsigned { fmOpenRead = 0x0000, fmOpenWrite = 0x0001, fmOpenReadWrite = 0x0002,
                  fmCreate = 0xFFFF };

class TStream {
public:
    virtual ~TStream() = default;
    // Reads or writes up to count bytes at the position and answers how many moved.
    virtual long long Read(void *buffer, long long count) = 0;
    virtual long long Write(const void *buffer, long long count) = 0;
    virtual long long Seek(long long offset, TSeekOrigin origin) = 0;
    virtual long long Size() const = 0;
    virtual void SetSize(long long size) = 0;

    long long Position() const { return const_cast<TStream *>(this)->Seek(0, soFromCurrent); }
    void SetPosition(long long pos) { Seek(pos, soFromBeginning); }
    // Whole transfers: throw EReadError / EWriteError when short.
    void ReadBuffer(void *buffer, long long count);
    void WriteBuffer(const void *buffer, long long count);
    // Copies count bytes (0 = the whole source from its start) and answers the count.
    long long CopyFrom(TStream &source, long long count);
};

class TMemoryStream : public TStream {
public:
    long long Read(void *buffer, long long count) override;
    long long Write(const void *buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    long long Size() const override { return static_cast<long long>(FData.size()); }
    void SetSize(long long size) override;

    void Clear();
    uint8_t *Memory() { return FData.data(); }
    const uint8_t *Memory() const { return FData.data(); }
    void LoadFromStream(TStream &stream);
    void SaveToStream(TStream &stream) const;
    void LoadFromFile(const std::string &path);
    void SaveToFile(const std::string &path) const;

private:
    std::vector<uint8_t> FData;
    long long FPosition = 0;
};

class TFileStream : public TStream {
public:
    // fmCreate creates or replaces the file (EFCreateError on failure); the other modes open
    // an existing file (EFOpenError on failure).
    TFileStream(const std::string &path, unsigned mode);
    ~TFileStream() override;
    TFileStream(const TFileStream &) = delete;
    TFileStream &operator=(const TFileStream &) = delete;

    long long Read(void *buffer, long long count) override;
    long long Write(const void *buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    long long Size() const override;
    void SetSize(long long size) override;

private:
    std::FILE *FFile = nullptr;
};

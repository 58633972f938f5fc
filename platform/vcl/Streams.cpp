#include "platform/vcl/Streams.h"

#include "platform/vcl/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

void TStream::ReadBuffer(void *buffer, long long count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void *buffer, long long count) {
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

long long TStream::CopyFrom(TStream &source, long long count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<char> buf(static_cast<size_t>(std::min<long long>(count, 1 << 16)));
    long long left = count;
    while (left > 0) {
        const long long n = std::min<long long>(left, static_cast<long long>(buf.size()));
        source.ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        left -= n;
    }
    return count;
}

long long TMemoryStream::Read(void *buffer, long long count) {
    if (count <= 0 || FPosition >= Size())
        return 0;
    const long long n = std::min(count, Size() - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

long long TMemoryStream::Write(const void *buffer, long long count) {
    if (count <= 0)
        return 0;
    const long long end = FPosition + count;
    if (end > Size())
        FData.resize(static_cast<size_t>(end));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
}

long long TMemoryStream::Seek(long long offset, TSeekOrigin origin) {
    switch (origin) {
    case soFromBeginning:
        FPosition = offset;
        break;
    case soFromCurrent:
        FPosition += offset;
        break;
    case soFromEnd:
        FPosition = Size() + offset;
        break;
    }
    if (FPosition < 0)
        FPosition = 0;
    return FPosition;
}

void TMemoryStream::SetSize(long long size) {
    FData.resize(static_cast<size_t>(std::max<long long>(size, 0)));
    if (FPosition > Size())
        FPosition = Size();
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream &stream) {
    stream.SetPosition(0);
    const long long n = stream.Size();
    FData.resize(static_cast<size_t>(n));
    stream.ReadBuffer(FData.data(), n);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream &stream) const {
    stream.WriteBuffer(FData.data(), Size());
}

void TMemoryStream::LoadFromFile(const std::string &path) {
    TFileStream f(path, fmOpenRead);
    LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const std::string &path) const {
    TFileStream f(path, fmCreate);
    SaveToStream(f);
}

TFileStream::TFileStream(const std::string &path, unsigned mode) {
    const char *how = mode == fmCreate               ? "w+b"
                      : (mode & 3) == fmOpenRead     ? "rb"
                                                     : "r+b";
    FFile = std::fopen(path.c_str(), how);
    if (!FFile) {
        const AnsiString why = std::strerror(errno);
        if (mode == fmCreate)
            throw EFCreateError("Cannot create file \"" + path + "\". " + why);
        throw EFOpenError("Cannot open file \"" + path + "\". " + why);
    }
}

TFileStream::~TFileStream() {
    if (FFile)
        std::fclose(FFile);
}

long long TFileStream::Read(void *buffer, long long count) {
    if (count <= 0)
        return 0;
    return static_cast<long long>(std::fread(buffer, 1, static_cast<size_t>(count), FFile));
}

long long TFileStream::Write(const void *buffer, long long count) {
    if (count <= 0)
        return 0;
    const size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), FFile);
    // Surface a full disk now rather than at close.
    if (std::fflush(FFile) != 0)
        return 0;
    return static_cast<long long>(n);
}

long long TFileStream::Seek(long long offset, TSeekOrigin origin) {
    const int whence = origin == soFromBeginning ? SEEK_SET
                       : origin == soFromCurrent ? SEEK_CUR
                                                 : SEEK_END;
    std::fseek(FFile, static_cast<long>(offset), whence);
    return std::ftell(FFile);
}

long long TFileStream::Size() const {
    const long cur = std::ftell(FFile);
    std::fseek(FFile, 0, SEEK_END);
    const long size = std::ftell(FFile);
    std::fseek(FFile, cur, SEEK_SET);
    return size;
}

void TFileStream::SetSize(long long size) {
    std::fflush(FFile);
    if (ftruncate(fileno(FFile), static_cast<off_t>(size)) != 0)
        throw EWriteError("Cannot set file size");
}

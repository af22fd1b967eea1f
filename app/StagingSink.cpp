#include "app/StagingSink.h"

#include <zlib.h>

namespace {
const size_t kPieceBytes = 64 << 10;
const int kGzipOnly = 16 + MAX_WBITS;
}  // namespace

struct TStagingSink::TInflater {
    z_stream Stream = {};
    bool Ready = inflateInit2(&Stream, kGzipOnly) == Z_OK;
    ~TInflater() {
        if (Ready) inflateEnd(&Stream);
    }
};

TStagingSink::TStagingSink(const FeedFile& file, TStagedFile& staged, std::function<void(uint64_t)> received)
    : FFile(file), FStaged(staged), FReceived(std::move(received)), FInflater(std::make_unique<TInflater>()) {}

TStagingSink::~TStagingSink() = default;

bool TStagingSink::Refuse(std::string problem) {
    if (!FProblem) FProblem = std::move(problem);
    return false;
}

bool TStagingSink::Write(const char* data, size_t size) {
    if (FProblem) return false;
    FCompressed += size;
    if (FCompressed > FFile.CompressedSize) return Refuse("下载的文件比清单所说的大");
    if (FEnded) return Refuse("gzip 数据之后还有多余的内容");
    return Inflate(data, size);
}

bool TStagingSink::Inflate(const char* data, size_t size) {
    z_stream& stream = FInflater->Stream;
    if (!FInflater->Ready) return Refuse("无法解压");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    stream.avail_in = uInt(size);
    unsigned char piece[kPieceBytes];
    while (stream.avail_in && !FEnded) {
        stream.next_out = piece;
        stream.avail_out = sizeof piece;
        int result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END)
            return Refuse(FInflated ? "gzip 数据已损坏" : "下载的不是 gzip 压缩的数据库（也许是一个网页）");
        FEnded = result == Z_STREAM_END;
        size_t produced = sizeof piece - stream.avail_out;
        FInflated += produced;
        if (FInflated > FFile.Size) return Refuse("解压后比清单所说的大");
        FSha256.Update(piece, produced);
        if (!FStaged.Write(piece, produced)) return Refuse("无法写入临时文件");
    }
    if (FEnded && stream.avail_in) return Refuse("gzip 数据之后还有多余的内容");
    return true;
}

void TStagingSink::Progress(uint64_t received, std::optional<uint64_t>) {
    if (FReceived) FReceived(received);
}

std::optional<std::string> TStagingSink::Problem() {
    if (FProblem) return FProblem;
    if (!FEnded || FCompressed != FFile.CompressedSize)
        return "下载不完整：收到 " + std::to_string(FCompressed) + " 字节，应为 " +
               std::to_string(FFile.CompressedSize) + " 字节";
    if (FInflated != FFile.Size) return "解压后的大小与清单不符";
    if (FSha256.HexDigest() != FFile.Sha256) return "SHA-256 校验值与清单不符";
    return std::nullopt;
}

#include "locdb/MappedDatabase.h"

namespace {
const char kNoFile[] = "文件 %s 不存在！";
const char kCannotQuery[] = "文件 %s 无法打开！";
const char kEmptyFile[] = "文件 %s 大小为空！";
const char kCannotOpen[] = "文件 %s 不能打开！";
const char kCannotMap[] = "不能创建内存映象文件！";
const char kCannotView[] = "不能获取文件映射地址！";
}  // namespace

MappedDatabase::MappedDatabase(const SystemPath& fileName, const wchar_t* mappingName, const char* damagedMessage)
    : FFileName(fileName) {
    ReleasingOnFailure([&] { Open(mappingName, damagedMessage); });
}

void MappedDatabase::Open(const wchar_t* mappingName, const char* damagedMessage) {
    if (!FFile.Exists(FFileName)) throw Exception(WithFileName(kNoFile));
    if (!FFile.QuerySize(FFileName, FFileSize)) throw Exception(WithFileName(kCannotQuery));
    if (FFileSize == 0) throw Exception(WithFileName(kEmptyFile));
    if (!FFile.Open(FFileName)) throw Exception(WithFileName(kCannotOpen));
    if (!FFile.CreateMapping(mappingName)) throw Exception(kCannotMap);
    if (!FFile.MapView()) throw Exception(kCannotView);
    FView = ByteView(FFile.View(), FFile.ViewSize(), damagedMessage);
}

std::string MappedDatabase::WithFileName(std::string_view message) const {
    std::string text(message);
    size_t at = text.find("%s");
    return text.replace(at, 2, DatabaseFile::DisplayPath(FFileName));
}

void MappedDatabase::Release() {
    FView = ByteView();
    FFile.Close();
}

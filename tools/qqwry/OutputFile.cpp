#include "tools/qqwry/OutputFile.h"

#include <cstdio>
#include <fstream>

#include "base/Exception.h"

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw Exception("cannot write " + path);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Exception("cannot write " + path);
    }
}

#pragma once
#include <string>

#include "tests/locdb/IpdbBytes.h"
#include "tests/locdb/QQWryBytes.h"

// The small database the end-to-end tests look addresses up in.
inline std::string TestDatabase() {
    QQWryBytes db;
    db.Entry(0x00000000, db.InlineRecord(0x010203FF, "本地", "保留"));
    db.Entry(0x01020400, db.InlineRecord(0x09FFFFFF, "中国", "北京 电信"));
    db.Entry(0x0A000000, db.InlineRecord(0x7EFFFFFF, "纯真网络", "暂无数据"));
    db.Entry(0x7F000000, db.InlineRecord(0x7FFFFFFF, "本机", "回环地址"));
    db.Entry(0x80000000, db.InlineRecord(0xFFFFFFFF, "纯真网络", "暂无数据"));
    std::vector<uint8_t> bytes = db.Finish();
    return std::string(bytes.begin(), bytes.end());
}

// Its IPv6 companion, by networks (the upper 64 bits).
inline std::string TestIpv6Database() {
    IpdbBytes db;
    auto record = [&](uint64_t start, const std::u8string& country, const std::u8string& area) {
        db.Entry(start, db.Text(country));
        db.Text(area);
    };
    record(0x0000000000000000, u8"保留地址", u8"本机回环");
    record(0x20010DB800000000, u8"文档地址", u8"示例网络");
    record(0x20010DB900000000, u8"纯真网络", u8"暂无数据");
    record(0x2400CB0000000000, u8"美国", u8"Cloudflare");
    record(0x2400CB0100000000, u8"纯真网络", u8"暂无数据");
    record(0xFE80000000000000, u8"局域网", u8"链路本地地址");
    record(0xFEC0000000000000, u8"纯真网络", u8"暂无数据");
    std::vector<uint8_t> bytes = db.Finish();
    return std::string(bytes.begin(), bytes.end());
}

// Two entries start at 5.0.0.0, so the search names no record for that
// address and its lookup fails.
inline std::string DatabaseFailingAt5000() {
    QQWryBytes db;
    db.Entry(0x00000000, db.InlineRecord(0x04FFFFFF, "本地", "保留"));
    db.Entry(0x05000000, db.InlineRecord(0x05FFFFFF, "甲", "一"));
    db.Entry(0x05000000, db.InlineRecord(0x09FFFFFF, "乙", "二"));
    db.Entry(0x0A000000, db.InlineRecord(0xFFFFFFFF, "丙", "三"));
    std::vector<uint8_t> bytes = db.Finish();
    return std::string(bytes.begin(), bytes.end());
}

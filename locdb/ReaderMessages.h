#pragma once

// Messages that the readers of both database layouts give alike.
inline constexpr char kDamagedDatabase[] = "IP数据库文件已损坏！";
inline constexpr char kBadRecordNumber[] = "IP信息记录号过小或越界！";
inline constexpr char kRecordTooLong[] = "IP信息记录过长！";

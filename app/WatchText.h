#pragma once
#include <string>

// The text between the browser's address and the balloon notice. GBK bytes;
// positions are plain byte searches for the first occurrence.

// The text after the first delimiter; empty when there is none.
std::string TextAfter(const std::string& delimiter, const std::string& text);
// The text before the first delimiter; the whole text when there is none.
std::string TextBefore(const std::string& delimiter, const std::string& text);
// The host of a web address: between "//" and the next "/". A port or user
// information stays part of it; an address without "//" has no host.
std::string HostOfAddress(const std::string& address);

// The four-line notice; lines end with a lone carriage return. A long web
// address shows its first 30 bytes and "...".
std::string BuildNotice(const std::string& webAddress, const std::string& ip, const std::string& host,
                        const std::string& location);

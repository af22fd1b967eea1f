#pragma once
#include <functional>
#include <optional>
#include <string>

#include "base/HttpMessage.h"

// The redirects the HTTP client follows: those of GET requests, at most
// five in a row, never from https to http.
const int kMostRedirects = 5;
// WinINet's ERROR_HTTP_REDIRECT_FAILED, which says the same: a redirect
// that was not followed, for its number or its scheme.
const unsigned long kRedirectRefused = 12156;

// One exchange with the URL: the response's status and headers, its body
// not yet read.
using HttpExchange = std::function<HttpResponse(const std::wstring& url)>;

// The response at the end of the redirects; Failed with kRedirectRefused
// when there are more than kMostRedirects or one leads from https to http.
HttpResponse FollowRedirects(const HttpRequest& request, const HttpExchange& exchange);

// The absolute URL that a Location header names, read against the URL it
// came with; none for a location that is no http or https URL.
std::optional<std::wstring> RedirectTarget(const std::wstring& from, const std::string& location);

#pragma once
// The text of a clipboard offer on Wayland, where every type is read through
// a pipe the owner writes into.

#include "platform/Clipboard.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

namespace quillet::platform {

// The plain-text types, best first; all but the last are UTF-8.
inline const std::string kUndeclaredText = "text/plain";
inline const std::vector<std::string> kTextTypes = {"text/plain;charset=utf-8", "UTF8_STRING",
                                                    kUndeclaredText};

constexpr int kMaxTextBytes = kClipboardTextBytes;

// The best of kTextTypes among `offered`; empty when none is.
std::string chooseTextType(const std::vector<std::string>& offered);

// Gives the read end of a pipe the owner writes `type` into, or -1.
using ReceiveType = std::function<int(const std::string& type)>;

// Reads the text of an offer of `offered` types and calls `done` with it: a
// password manager's secret mark first, then the best text type, cut at
// kMaxTextBytes; bytes that are not UTF-8 become U+FFFD, except that a
// kUndeclaredText that is not UTF-8 is read as Windows-1252. Empty when the
// offer is marked secret, when its mark or its text cannot be had, or when it
// holds no text; a text still arriving at the time-out is kept as far as it
// came.
// `done` may be called before this returns; never once `context` is gone.
void readOfferText(const std::vector<std::string>& offered, const ReceiveType& receive,
                   QObject* context, std::function<void(const std::u16string& text)> done);

}  // namespace quillet::platform

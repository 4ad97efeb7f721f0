#pragma once

#include <string>

// The three web pages the About buttons open. The addresses are fixed text of
// the system; nothing outside this table is ever handed to the operating
// system.

enum class Link { ProductPage, MorePlugins, GetSupport };

// Secure address of a link. Points at constant text that lives for the whole
// process.
const char* LinkAddress(Link link);

// The link a supervised About button opens. Returns false (and leaves *link
// alone) for any parameter index that is not one of the three link buttons.
bool LinkForParam(int paramIndex, Link* link);

// True when `address` is one of the three fixed addresses (compared by text).
bool IsKnownLinkAddress(const char* address);

// True when `address` is non-empty, starts with "https://" and holds only
// letters, digits and the characters - . _ ~ : / — none of which a command
// shell treats specially.
bool IsShellSafeLinkAddress(const char* address);

// The command text the macOS opener hands to system(): "open " followed by the
// address. Empty when the address is not one of the fixed ones or not
// shell-safe, so nothing but a known address ever reaches a shell.
std::string OpenCommandFor(const char* address);

// Opens `address` in the user's browser. Returns 0 when the request was handed
// to the operating system, non-zero otherwise. Must not throw.
using LinkOpener = int (*)(const char* address);

// The operating system's opener: ShellExecuteA on Windows, system("open ...")
// on macOS, xdg-open (started directly, no shell) elsewhere. Refuses (returns
// non-zero, starts nothing) any address that is not one of the fixed ones.
// Blocks only as long as it takes to start the helper, never until the
// browser closes.
int OpenLinkWithSystem(const char* address);

// Opens one link through the current opener and returns its result.
int OpenLink(Link link);

// Test seam, the only replaceable piece of the link code: installs `opener` as
// the function OpenLink calls, and returns the one it replaces. Null restores
// OpenLinkWithSystem. Thread-safe; meant for test set-up, so no test ever
// starts a browser. The effect itself never calls it.
LinkOpener ReplaceLinkOpenerForTesting(LinkOpener opener);

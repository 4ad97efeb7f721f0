#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The banner drawn in the header of the effect controls. The host shows it at
// half size, so it is a double-resolution picture of a 200 x 16.5 unit area.
//
// Layout: kBannerHeight rows of kBannerWidth pixels, top row first, rows packed
// with no gap (kBannerRowBytes apart); each pixel is four bytes in the order
// blue, green, red, alpha, with straight (not premultiplied) alpha: the host's
// drawing layout kDRAWBOT_PixelLayout_32BGRA_Straight.
constexpr int kBannerWidth = 400;
constexpr int kBannerHeight = 33;
constexpr int kBannerRowBytes = kBannerWidth * 4;
constexpr std::size_t kBannerBytes = static_cast<std::size_t>(kBannerRowBytes) * kBannerHeight;

// The text the banner shows.
constexpr const char kBannerText[] = "Halvane 3";

// The pixels, computed when the system is compiled. Constant, lives for the
// whole process and may be read from any thread. Handing it to the host needs
// a copy: the host wants a buffer it may hold on to while it draws.
extern const std::array<std::uint8_t, kBannerBytes> kBannerImage;

#include "toolkit/raster/StandardIcons.h"

namespace {

constexpr int kNoticeWidth = 40;
constexpr int kNoticeHeight = 32;
constexpr int kQuestionWidth = 32;
constexpr int kQuestionHeight = 32;

// A sheet of paper with an exclamation mark.
constexpr const char* kNoticeArt[kNoticeHeight] = {
    "                                        ", "      ###########################       ",
    "      #                         ##      ", "      #                         # #     ",
    "      #                         #  #    ", "      #                         #####   ",
    "      #                             #   ", "      #             ###             #   ",
    "      #            #####            #   ", "      #            #####            #   ",
    "      #            #####            #   ", "      #            #####            #   ",
    "      #             ###             #   ", "      #             ###             #   ",
    "      #             ###             #   ", "      #             ###             #   ",
    "      #             ###             #   ", "      #              #              #   ",
    "      #              #              #   ", "      #                             #   ",
    "      #             ###             #   ", "      #            #####            #   ",
    "      #            #####            #   ", "      #             ###             #   ",
    "      #                             #   ", "      #                             #   ",
    "      #                             #   ", "      #                             #   ",
    "      #                             #   ", "      ###############################   ",
    "                                        ", "                                        ",
};

// A question mark in a circle.
constexpr const char* kQuestionArt[kQuestionHeight] = {
    "                                ", "           ##########           ",
    "        ####        ####        ", "      ###              ###      ",
    "     ##                  ##     ", "    ##       ######       ##    ",
    "   ##       ########       ##   ", "   #       ###    ###       #   ",
    "  ##       ##      ##       ##  ", "  #                ##        #  ",
    " ##               ###        ## ", " #               ###          # ",
    " #              ###           # ", " #             ###            # ",
    " #             ##             # ", " #             ##             # ",
    " #             ##             # ", " #             ##             # ",
    " ##                          ## ", "  #                          #  ",
    "  ##           ##           ##  ", "   #          ####          #   ",
    "   ##         ####         ##   ", "    ##         ##         ##    ",
    "     ##                  ##     ", "      ###              ###      ",
    "        ####        ####        ", "           ##########           ",
    "                                ", "                                ",
    "                                ", "                                ",
};

template <int W, int H>
struct PackedBits {
    static constexpr int kStride = (W + 7) / 8;
    unsigned char bytes[kStride * H] = {};

    explicit PackedBits(const char* const (&art)[H]) {
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W && art[y][x] != '\0'; ++x) {
                if (art[y][x] == '#') {
                    bytes[y * kStride + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
                }
            }
        }
    }
};

}  // namespace

const vIcon& StandardIcons::Notice() {
    static const PackedBits<kNoticeWidth, kNoticeHeight> bits(kNoticeArt);
    static const vIcon icon(bits.bytes, kNoticeHeight, kNoticeWidth, 1);
    return icon;
}

const vIcon& StandardIcons::Question() {
    static const PackedBits<kQuestionWidth, kQuestionHeight> bits(kQuestionArt);
    static const vIcon icon(bits.bytes, kQuestionHeight, kQuestionWidth, 1);
    return icon;
}

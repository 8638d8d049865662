#include <gtest/gtest.h>
#include <iconv.h>

#include "text/cp1250.h"

namespace zorva {
namespace {

// The built-in table must read every byte as the system converter does; the
// bytes it leaves undefined read as themselves.
TEST(Cp1250, TableAgreesWithIconvOnEveryByte) {
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1250");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 0x80; b < 0x100; ++b) {
        char in[1] = {static_cast<char>(b)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        std::string expected;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            expected = {static_cast<char>(0xC2), static_cast<char>(b)};
        } else {
            expected.assign(out, outPtr);
        }
        EXPECT_EQ(expected, DecodeCp1250(std::string(1, static_cast<char>(b)))) << "byte " << b;
    }
    iconv_close(cd);
}

}  // namespace
}  // namespace zorva

// Runs the fuzz harness over a fixed, seeded set of inputs, so that CTest (and the
// sanitizer build) exercise the decoder without libFuzzer. Every input lives in a
// buffer of exactly its size, so a read past the data is caught by AddressSanitizer.
#include "settings/CameraSettings.h"
#include "settings/EmailSettings.h"
#include "settings/MmsSettings.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

std::mt19937 randomBytes(20120101);

uint8_t RandomByte()
{
    return uint8_t(randomBytes());
}

std::vector<uint8_t> RandomInput(size_t size)
{
    std::vector<uint8_t> input(size);
    for (uint8_t &b : input)
        b = RandomByte();
    return input;
}

// Random values in a 59-byte camera file with a correct signature and checksum, so
// the decoder gets past the trailer checks. Values drawn from 0..1 pass inspection
// now and then; wider draws put fields out of their lists.
std::vector<uint8_t> CameraFileWithRandomValues()
{
    const int spread = 2 << (RandomByte() % 8);
    std::vector<uint8_t> file = mms::ComposeCameraSetupFile(mms::CameraSettings());
    for (int i = 0; i < 46; ++i)
        file[i] = uint8_t(RandomByte() % spread);
    const std::array<uint8_t, 4> sum = mms::BigEndian32(mms::ByteSum(mms::ByteView(file).first(55)));
    std::copy(sum.begin(), sum.end(), file.begin() + 55);
    return file;
}

// A valid camera file with a few bytes changed, its length changed now and then.
std::vector<uint8_t> MutatedCameraFile()
{
    std::vector<uint8_t> input = mms::ComposeCameraSetupFile(mms::CameraSettings());
    for (int flips = 1 + RandomByte() % 3; flips > 0; --flips)
        input[RandomByte() % input.size()] = RandomByte();
    if (RandomByte() % 8 == 0)
        input.resize(RandomByte() % 64);
    return input;
}

// A line file of the given size whose final line carries the signature and the sum of
// every line before it.
std::vector<uint8_t> LineFileWithValidTrailer(size_t size)
{
    std::vector<uint8_t> input = RandomInput(size - mms::kLineLength);
    const mms::Line finalLine = mms::ComposeFinalLine(mms::ByteSum(input));
    input.insert(input.end(), finalLine.begin(), finalLine.end());
    return input;
}

// A short text of printable ASCII, now and then with a Latin-1 letter.
std::string RandomText()
{
    std::string text;
    for (int length = RandomByte() % 20; length > 0; --length)
        text += char(0x20 + RandomByte() % 0x5F);
    if (RandomByte() % 4 == 0)
        text += "\xC3\x9F"; // the Latin-1 letter U+00DF
    return text;
}

// A valid MMS or e-mail file of random texts, with one byte changed now and then, its
// checksum made to match again, so the decoder's structural checks meet nearly valid
// lines rather than the trailer check alone.
template <typename Record, typename Lines, typename Compose>
std::vector<uint8_t> SendingFileWithRandomTexts(Lines lines, Compose compose)
{
    Record s;
    s.Mode = mms::ConnectionMode::Manual;
    s.Header = {uint8_t(RandomByte() % 5), std::to_string(RandomByte() % 100), uint8_t(RandomByte() % 3),
                uint8_t(RandomByte() % 25)};
    for (const auto &line : lines(s))
        *line.text = RandomText();
    std::vector<uint8_t> file = *compose(s);
    if (RandomByte() % 2 == 0) {
        file[RandomByte() % (file.size() - mms::kLineLength)] = RandomByte();
        const size_t finalLine = file.size() - mms::kLineLength;
        const std::array<uint8_t, 4> sum = mms::BigEndian32(mms::ByteSum(mms::ByteView(file).first(finalLine)));
        std::copy(sum.begin(), sum.end(), file.begin() + long(finalLine) + 54);
    }
    return file;
}

int inputsFed = 0;

void Feed(const std::vector<uint8_t> &input)
{
    // A copy on the heap of exactly the input's size: no slack after the last byte.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[input.size()]);
    std::copy(input.begin(), input.end(), exact.get());
    LLVMFuzzerTestOneInput(exact.get(), input.size());
    ++inputsFed;
}

} // namespace

int main()
{
    for (size_t size = 0; size <= 1100; ++size)
        Feed(RandomInput(size));
    for (int i = 0; i < 1000; ++i) {
        Feed(MutatedCameraFile());
        Feed(CameraFileWithRandomValues());
    }
    for (size_t size : {size_t(960), size_t(840)}) {
        for (int i = 0; i < 200; ++i) {
            Feed(RandomInput(size));
            Feed(LineFileWithValidTrailer(size));
        }
    }
    for (int i = 0; i < 500; ++i) {
        Feed(SendingFileWithRandomTexts<mms::MmsSettings>([](auto &s) { return mms::MmsTextLines(s); },
                                                          [](const auto &s) { return mms::ComposeMmsSetupFile(s); }));
        Feed(SendingFileWithRandomTexts<mms::EmailSettings>(
            [](auto &s) { return mms::EmailTextLines(s); },
            [](const auto &s) { return mms::ComposeEmailSetupFile(s); }));
    }
    std::printf("%d inputs decoded\n", inputsFed);
    return 0;
}

// The GIF block walker over streams built here block by block.
#include "gif/gif_core.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using lumgif::GifWalker;
using lumgif::GraphicBlock;

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void PutWord(Bytes& b, unsigned v)
{
    b.push_back(v & 0xFF);
    b.push_back(v >> 8 & 0xFF);
}

// A colour table of 2^(bits+1) entries with recognisable contents.
Bytes ColourTable(int bits, unsigned char seed)
{
    Bytes t(size_t(3) << (bits + 1));
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = static_cast<unsigned char>(seed + i);
    return t;
}

// A sub-block chain carrying n data bytes in sub-blocks of at most 255, and its terminator.
Bytes SubBlocks(size_t n, unsigned char seed = 0x40)
{
    Bytes b;
    for (size_t done = 0; done < n;) {
        size_t part = std::min<size_t>(255, n - done);
        b.push_back(static_cast<unsigned char>(part));
        for (size_t i = 0; i < part; ++i)
            b.push_back(static_cast<unsigned char>(seed + done + i));
        done += part;
    }
    b.push_back(0);
    return b;
}

Bytes SubBlocks(const std::string& text)
{
    return Bytes{static_cast<unsigned char>(text.size())} + Bytes(text.begin(), text.end()) + Bytes{0};
}

// Header and logical screen descriptor; globalBits < 0: no global colour table.
Bytes Header(const char* signature, unsigned width, unsigned height, int globalBits = -1)
{
    Bytes b(signature, signature + 6);
    PutWord(b, width);
    PutWord(b, height);
    b.push_back(globalBits < 0 ? 0x70 : static_cast<unsigned char>(0xF0 | globalBits));
    b.push_back(3);  // background colour index
    b.push_back(0);  // aspect ratio
    return globalBits < 0 ? b : b + ColourTable(globalBits, 0x10);
}

Bytes Control(unsigned delay, unsigned disposal, bool transparent = false)
{
    Bytes b{0x21, 0xF9, 4, static_cast<unsigned char>(disposal << 2 | (transparent ? 1 : 0))};
    PutWord(b, delay);
    b.push_back(transparent ? 7 : 0);
    b.push_back(0);
    return b;
}

Bytes Loop(unsigned count)
{
    Bytes b{0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1};
    PutWord(b, count);
    b.push_back(0);
    return b;
}

Bytes Comment(const std::string& text)
{
    return Bytes{0x21, 0xFE} + SubBlocks(text);
}

Bytes PlainText(const std::string& text)
{
    Bytes b{0x21, 0x01, 12};
    for (unsigned v : {2u, 3u, 40u, 10u})  // text grid left, top, width, height
        PutWord(b, v);
    b.insert(b.end(), {8, 10, 1, 0});      // cell size, foreground and background indexes
    return b + SubBlocks(text);
}

// Image descriptor, optional local colour table, LZW code size and dataBytes of image data.
Bytes Image(unsigned left, unsigned top, unsigned width, unsigned height, int localBits = -1,
            size_t dataBytes = 6)
{
    Bytes b{0x2C};
    for (unsigned v : {left, top, width, height})
        PutWord(b, v);
    b.push_back(localBits < 0 ? 0 : static_cast<unsigned char>(0x80 | localBits));
    if (localBits >= 0)
        b = b + ColourTable(localBits, 0x80);
    b.push_back(localBits < 0 ? 2 : static_cast<unsigned char>(std::max(2, localBits + 1)));
    return b + SubBlocks(dataBytes);
}

const Bytes kEnd{0x3B};

// A 16 x 16 stream of frames, each a control extension (delay 10 * (i + 1)) and an image.
Bytes Animation(int frames)
{
    Bytes b = Header("GIF89a", 16, 16, 1) + Loop(0);
    for (int i = 0; i < frames; ++i)
        b = b + Control(10 * (i + 1), 1) + Image(i, i, 16 - i, 16 - i);
    return b + kEnd;
}

Bytes FrameStream(const GifWalker& walker, const GraphicBlock& block)
{
    Bytes out(walker.FrameStreamSize(block));
    walker.WriteFrameStream(block, out.data());
    return out;
}

std::vector<GraphicBlock> AllFrames(GifWalker& walker)
{
    std::vector<GraphicBlock> frames;
    walker.ResetDataPointer();
    GraphicBlock block;
    while (walker.GetNextGraphicBlock(block))
        frames.push_back(block);
    return frames;
}

}  // namespace

TEST(GifWalker, RecognisesOnlyGif87aAndGif89a)
{
    const struct { const char* signature; bool gif; } cases[] = {
        {"GIF87a", true}, {"GIF89a", true}, {"GIF88a", false}, {"GIF89b", false},
        {"gif89a", false}, {"GIF90a", false}, {"BM6\0\0\0", false}, {"\x89PNG\r\n", false},
    };
    for (const auto& c : cases) {
        Bytes gif = Header(c.signature, 16, 16) + Image(0, 0, 16, 16) + kEnd;
        GifWalker walker;
        EXPECT_EQ(c.gif, walker.Attach(gif.data(), gif.size())) << c.signature;
        EXPECT_EQ(c.gif, walker.IsGIF()) << c.signature;
        EXPECT_EQ(c.gif ? 1 : 0, walker.FrameCount()) << c.signature;
        EXPECT_EQ(c.gif, walker.SkipNextGraphicBlock()) << c.signature;
    }
}

TEST(GifWalker, ShortBuffers)
{
    const Bytes gif = Header("GIF89a", 16, 16);
    for (size_t n = 0; n <= gif.size(); ++n) {
        Bytes cut(gif.begin(), gif.begin() + n);
        GifWalker walker;
        EXPECT_EQ(n >= 6, walker.Attach(cut.data(), cut.size())) << n << " bytes";
        EXPECT_EQ(0, walker.FrameCount()) << n << " bytes";
        EXPECT_EQ(n == 13 ? 16u : 0u, walker.ScreenWidth()) << n << " bytes";
    }
    GifWalker walker;
    EXPECT_FALSE(walker.Attach(nullptr, 0));
    EXPECT_FALSE(walker.SkipNextBlock());
}

TEST(GifWalker, ScreenDescriptorAndGlobalTable)
{
    for (int bits = -1; bits <= 7; ++bits) {
        Bytes gif = Header("GIF87a", 300, 2, bits) + Image(0, 0, 1, 1) + kEnd;
        GifWalker walker;
        ASSERT_TRUE(walker.Attach(gif.data(), gif.size())) << "table bits " << bits;
        size_t table = bits < 0 ? 0 : size_t(3) << (bits + 1);
        EXPECT_EQ(300u, walker.ScreenWidth());
        EXPECT_EQ(2u, walker.ScreenHeight());
        EXPECT_EQ(table, walker.GlobalTableSize()) << "table bits " << bits;
        EXPECT_EQ(13 + table, walker.Offset()) << "table bits " << bits;
        EXPECT_EQ(lumgif::blockImage, walker.GetNextBlock()) << "table bits " << bits;
    }
}

TEST(GifWalker, BlockTypesAndLengths)
{
    const struct { const char* name; Bytes block; lumgif::GIFBlockTypes type; ptrdiff_t len; bool skips; } cases[] = {
        {"application", Loop(0), lumgif::blockApplication, 19, true},
        {"comment", Comment("hello"), lumgif::blockComment, 9, true},
        {"empty comment", Bytes{0x21, 0xFE, 0}, lumgif::blockComment, 3, true},
        {"control", Control(5, 2), lumgif::blockGraphicControl, 8, true},
        {"plain text", PlainText("abc"), lumgif::blockPlainText, 20, true},
        {"image", Image(0, 0, 4, 4), lumgif::blockImage, 19, true},
        {"image, local table", Image(0, 0, 4, 4, 2), lumgif::blockImage, 43, true},
        {"image, 600 data bytes", Image(0, 0, 4, 4, -1, 600), lumgif::blockImage, 11 + 600 + 3 + 1, true},
        {"trailer", kEnd, lumgif::blockTrailer, 1, true},
        {"extension label 0", Bytes{0x21, 0x00, 0}, lumgif::blockUnknown, -1, false},
        {"extension label 2", Bytes{0x21, 0x02, 0}, lumgif::blockUnknown, -1, false},
        {"extension label F8", Bytes{0x21, 0xF8, 0}, lumgif::blockUnknown, -1, false},
        {"introducer 0", Bytes{0x00, 0x2C}, lumgif::blockUnknown, -1, false},
        {"introducer 2D", Bytes{0x2D}, lumgif::blockUnknown, -1, false},
        {"lone introducer", Bytes{0x21}, lumgif::blockUnknown, -1, false},
        {"control cut", Bytes{0x21, 0xF9, 4, 0}, lumgif::blockGraphicControl, 8, false},
        {"descriptor cut", Bytes{0x2C, 0, 0, 0, 0, 4, 0, 4}, lumgif::blockImage, 0, false},
        {"local table cut", Bytes{0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0x87, 1, 2, 3}, lumgif::blockImage, 0, false},
        {"chain cut", Bytes{0x21, 0xFE, 5, 'a', 'b'}, lumgif::blockComment, 0, false},
        {"terminator missing", Bytes{0x21, 0xFE, 2, 'a', 'b'}, lumgif::blockComment, 0, false},
        {"application cut", Bytes{0x21, 0xFF, 11, 'N', 'E'}, lumgif::blockApplication, 0, false},
        {"nothing", Bytes{}, lumgif::blockUnknown, -1, false},
    };
    for (const auto& c : cases) {
        Bytes gif = Header("GIF89a", 4, 4) + c.block;
        GifWalker walker;
        ASSERT_TRUE(walker.Attach(gif.data(), gif.size())) << c.name;
        EXPECT_EQ(c.type, walker.GetNextBlock()) << c.name;
        EXPECT_EQ(c.len, walker.GetNextBlockLen()) << c.name;
        EXPECT_EQ(c.skips, walker.SkipNextBlock()) << c.name;
        EXPECT_EQ(c.skips ? gif.size() : 13, walker.Offset()) << c.name;  // a failed skip stays put
    }
}

TEST(GifWalker, SubBlockChains)
{
    const struct { const char* name; Bytes chain; size_t offset; size_t len; } cases[] = {
        {"terminator only", Bytes{0}, 0, 1},
        {"one sub-block", Bytes{3, 'a', 'b', 'c', 0}, 0, 5},
        {"two sub-blocks", Bytes{1, 'a', 2, 'b', 'c', 0, 9}, 0, 6},
        {"full sub-blocks", SubBlocks(600), 0, 604},
        {"from the middle", Bytes{9, 2, 'x', 'y', 0}, 1, 4},
        {"data cut", Bytes{5, 'a', 'b'}, 0, 0},
        {"terminator cut", Bytes{2, 'a', 'b'}, 0, 0},
        {"offset at the end", Bytes{0}, 1, 0},
        {"offset past the end", Bytes{0}, 1000, 0},
    };
    for (const auto& c : cases) {
        Bytes gif = Header("GIF89a", 4, 4) + c.chain;
        GifWalker walker;
        ASSERT_TRUE(walker.Attach(gif.data(), gif.size())) << c.name;
        EXPECT_EQ(c.len, walker.GetSubBlocksLen(13 + c.offset)) << c.name;
    }
}

TEST(GifWalker, FrameCounts)
{
    const struct { int frames; bool animated; int reported; } cases[] = {
        {0, false, 0}, {1, false, 0}, {2, true, 2}, {10, true, 10},
    };
    for (const auto& c : cases) {
        Bytes gif = Animation(c.frames);
        GifWalker walker;
        ASSERT_TRUE(walker.Attach(gif.data(), gif.size())) << c.frames << " frames";
        EXPECT_TRUE(walker.IsGIF());
        EXPECT_EQ(c.frames, walker.FrameCount()) << c.frames << " frames";
        EXPECT_EQ(c.animated, walker.IsAnimatedGIF()) << c.frames << " frames";
        EXPECT_EQ(c.reported, walker.GetFrameCount()) << c.frames << " frames";
        EXPECT_EQ(13u + 12u, walker.Offset()) << "attaching leaves the pointer on the first block";
        EXPECT_EQ(size_t(c.frames), AllFrames(walker).size()) << c.frames << " frames";
        EXPECT_EQ(lumgif::blockTrailer, walker.GetNextBlock()) << c.frames << " frames";
    }
}

TEST(GifWalker, DelaysDisposalAndGeometryPerFrame)
{
    Bytes gif = Header("GIF89a", 64, 48, 0) +
                Control(0, 0) + Image(0, 0, 64, 48) +
                Control(5, 1, true) + Image(1, 2, 3, 4, 3) +
                Image(10, 20, 30, 40) +                                 // no control extension
                Control(65535, 2) + Comment("c") + Image(7, 8, 9, 10) +
                Control(12, 3) + Control(99, 1) + Image(0, 0, 1, 1) +   // the first control counts
                Control(7, 7) + PlainText("hi") +
                kEnd;
    const struct { unsigned delay, disposal; bool image; unsigned left, top, width, height; } expected[] = {
        {0, 0, true, 0, 0, 64, 48},
        {5, 1, true, 1, 2, 3, 4},
        {lumgif::kDefaultDelay, 0, true, 10, 20, 30, 40},
        {65535, 2, true, 7, 8, 9, 10},
        {12, 3, true, 0, 0, 1, 1},
        {7, 7, false, 0, 0, 0, 0},
    };
    GifWalker walker;
    ASSERT_TRUE(walker.Attach(gif.data(), gif.size()));
    std::vector<GraphicBlock> frames = AllFrames(walker);
    ASSERT_EQ(std::size(expected), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        const auto& e = expected[i];
        const GraphicBlock& f = frames[i];
        EXPECT_EQ(e.delay, f.delay) << "frame " << i;
        EXPECT_EQ(e.disposal, f.disposal) << "frame " << i;
        EXPECT_EQ(e.image, f.image) << "frame " << i;
        EXPECT_EQ(e.left, f.left) << "frame " << i;
        EXPECT_EQ(e.top, f.top) << "frame " << i;
        EXPECT_EQ(e.width, f.width) << "frame " << i;
        EXPECT_EQ(e.height, f.height) << "frame " << i;
    }
}

TEST(GifWalker, FrameStreamsStandAlone)
{
    // Extensions before a frame's control extension stay out of its stream; those between the
    // control extension and the image go along with it.
    const Bytes header = Header("GIF87a", 40, 30, 7);
    const Bytes first = Control(20, 2) + Image(0, 0, 40, 30, -1, 300);
    const Bytes second = Control(30, 1) + Loop(3) + Comment("between") + Image(5, 6, 7, 8, 1);
    const Bytes third = Image(1, 1, 2, 2);
    const Bytes gif = header + Loop(0) + Comment("before") + first + Comment("x") + second + third + kEnd;

    GifWalker walker;
    ASSERT_TRUE(walker.Attach(gif.data(), gif.size()));
    std::vector<GraphicBlock> frames = AllFrames(walker);
    const Bytes expected[] = {header + first + kEnd, header + second + kEnd, header + third + kEnd};
    ASSERT_EQ(std::size(expected), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        Bytes stream = FrameStream(walker, frames[i]);
        EXPECT_EQ(expected[i], stream) << "frame " << i;
        EXPECT_EQ(13 + 768 + frames[i].length + 1, stream.size()) << "frame " << i;
        EXPECT_EQ(0x3B, stream.back()) << "frame " << i;

        GifWalker single;
        ASSERT_TRUE(single.Attach(stream.data(), stream.size())) << "frame " << i;
        EXPECT_EQ(1, single.FrameCount()) << "frame " << i;
        EXPECT_FALSE(single.IsAnimatedGIF()) << "frame " << i;
        EXPECT_EQ(0, single.GetFrameCount()) << "frame " << i;
    }
}

TEST(GifWalker, EndsAtUnknownBlocksAndTheTrailer)
{
    const Bytes frame = Control(4, 0) + Image(0, 0, 2, 2);
    const struct { const char* name; Bytes tail; int frames; } cases[] = {
        {"garbage after the trailer", kEnd + frame + Bytes{0xDE, 0xAD}, 2},
        {"unknown extension", Bytes{0x21, 0x02, 1, 'x', 0} + frame + kEnd, 2},
        {"unknown introducer", Bytes{0x00} + frame + kEnd, 2},
        {"no trailer", Bytes{}, 2},
        {"control extension without an image", Control(1, 1) + kEnd, 2},
        {"control extension then unknown", Control(1, 1) + Bytes{0x99}, 2},
        {"only extensions after", Loop(1) + Comment("x"), 2},
        {"one more frame", frame + kEnd, 3},
    };
    for (const auto& c : cases) {
        Bytes gif = Header("GIF89a", 2, 2) + frame + frame + c.tail;
        GifWalker walker;
        ASSERT_TRUE(walker.Attach(gif.data(), gif.size())) << c.name;
        EXPECT_EQ(c.frames, walker.FrameCount()) << c.name;
        EXPECT_EQ(size_t(c.frames), AllFrames(walker).size()) << c.name;
        size_t stuck = walker.Offset();
        GraphicBlock block;
        EXPECT_FALSE(walker.GetNextGraphicBlock(block)) << c.name;
        EXPECT_EQ(stuck, walker.Offset()) << c.name;
    }
}

// Every prefix of a three-frame stream is walked without reading past its end (the host build runs
// under AddressSanitizer) and yields exactly the frames that end inside it.
TEST(GifWalker, EveryTruncationWalksCleanly)
{
    const Bytes header = Header("GIF89a", 20, 20, 1);
    const Bytes frames[] = {
        Control(5, 1) + Image(0, 0, 20, 20, 2),
        Comment("mid") + Control(7, 2) + Comment("in") + Image(2, 2, 10, 10, -1, 300),
        Control(9, 3) + PlainText("txt"),
    };
    Bytes gif = header + Loop(0);
    std::vector<size_t> ends;
    for (const Bytes& f : frames) {
        gif = gif + f;
        ends.push_back(gif.size());
    }
    gif = gif + kEnd;

    GifWalker whole;
    ASSERT_TRUE(whole.Attach(gif.data(), gif.size()));
    std::vector<Bytes> streams;
    for (const GraphicBlock& f : AllFrames(whole))
        streams.push_back(FrameStream(whole, f));
    ASSERT_EQ(3u, streams.size());

    for (size_t n = 0; n <= gif.size(); ++n) {
        Bytes cut(gif.begin(), gif.begin() + n);  // exactly n bytes on the heap
        GifWalker walker;
        ASSERT_EQ(n >= 6, walker.Attach(cut.data(), cut.size())) << n << " bytes";
        size_t complete = 0;
        while (complete < ends.size() && ends[complete] <= n)
            ++complete;
        EXPECT_EQ(int(complete), walker.FrameCount()) << n << " bytes";
        std::vector<GraphicBlock> got = AllFrames(walker);
        ASSERT_EQ(complete, got.size()) << n << " bytes";
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(streams[i], FrameStream(walker, got[i])) << n << " bytes, frame " << i;

        walker.ResetDataPointer();
        while (walker.SkipNextBlock())
            ;
        EXPECT_LE(walker.Offset(), std::max(n, 13 + whole.GlobalTableSize())) << n << " bytes";
        for (size_t at = 0; at <= n; ++at)
            EXPECT_LE(walker.GetSubBlocksLen(at), n - std::min(at, n)) << n << " bytes, chain at " << at;
    }
}

TEST(GifWalker, DetachedWalkerAnswersFalse)
{
    Bytes gif = Animation(3);
    GifWalker walker;
    ASSERT_TRUE(walker.Attach(gif.data(), gif.size()));
    walker.Detach();
    EXPECT_TRUE(walker.IsAnimatedGIF()) << "what was learnt stays";
    EXPECT_EQ(3, walker.GetFrameCount());
    GraphicBlock block;
    EXPECT_FALSE(walker.GetNextGraphicBlock(block));
    EXPECT_FALSE(walker.SkipNextGraphicBlock());
    EXPECT_FALSE(walker.SkipNextBlock());
    EXPECT_EQ(lumgif::blockUnknown, walker.GetNextBlock());
    EXPECT_EQ(0u, walker.GetSubBlocksLen(13));
    walker.Reset();
    EXPECT_FALSE(walker.IsGIF());
    EXPECT_EQ(0u, walker.ScreenWidth());
    EXPECT_EQ(0u, walker.GlobalTableSize());
}

// The gallery's animation as tools/make_gif.py writes it.
TEST(GifWalker, GallerySpinner)
{
    std::ifstream in(LUM_SOURCE_DIR "/gallery/res/spinner.gif", std::ios::binary);
    ASSERT_TRUE(in.is_open());
    Bytes gif((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    GifWalker walker;
    ASSERT_TRUE(walker.Attach(gif.data(), gif.size()));
    EXPECT_EQ(8, walker.GetFrameCount());
    EXPECT_EQ(32u, walker.ScreenWidth());
    std::vector<GraphicBlock> frames = AllFrames(walker);
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(10u, frames[i].delay) << "frame " << i;
        EXPECT_EQ(1u, frames[i].disposal) << "frame " << i;
        EXPECT_EQ(32u, frames[i].width) << "frame " << i;
        EXPECT_EQ(32u, frames[i].height) << "frame " << i;
    }
}

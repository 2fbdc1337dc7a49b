// Fuzzes the GIF block walker: every operation over arbitrary bytes, and the invariants between
// them (the frames counted are the frames cut, and each cut frame is a GIF of exactly that frame).
#include "gif/gif_core.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using lumgif::GifWalker;
using lumgif::GraphicBlock;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool SameFrame(const GraphicBlock& a, const GraphicBlock& b)
{
    return a.length == b.length && a.delay == b.delay && a.disposal == b.disposal && a.image == b.image &&
           a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// Block by block to the first block that cannot be skipped; every length stays inside the data.
void WalkBlocks(GifWalker& walker, size_t size)
{
    walker.ResetDataPointer();
    for (;;) {
        size_t at = walker.Offset();
        lumgif::GIFBlockTypes type = walker.GetNextBlock();
        ptrdiff_t len = walker.GetNextBlockLen();
        Check((type == lumgif::blockUnknown) == (len < 0));
        if (!walker.SkipNextBlock()) {
            Check(walker.Offset() == at);
            return;
        }
        Check(len > 0 && walker.Offset() == at + size_t(len) && walker.Offset() <= size);
    }
}

void CutFrames(GifWalker& walker, const unsigned char* data, size_t size)
{
    walker.ResetDataPointer();
    GraphicBlock block;
    int frames = 0;
    while (walker.GetNextGraphicBlock(block)) {
        ++frames;
        Check(block.start + block.length <= size);
        std::vector<unsigned char> stream(walker.FrameStreamSize(block));
        walker.WriteFrameStream(block, stream.data());
        Check(std::memcmp(stream.data(), data, 6) == 0 && stream.back() == 0x3B);

        GifWalker single;
        Check(single.Attach(stream.data(), stream.size()) && single.FrameCount() == 1);
        GraphicBlock again;
        Check(single.GetNextGraphicBlock(again) && SameFrame(block, again));
    }
    Check(frames == walker.FrameCount());
    Check(walker.IsAnimatedGIF() == (frames >= 2));
    Check(walker.GetFrameCount() == (frames >= 2 ? frames : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    // A copy of exactly the input's size, so that any read past the end is caught.
    std::vector<unsigned char> data(input, input + size);
    GifWalker walker;
    if (!walker.Attach(data.data(), data.size())) {
        Check(!walker.IsGIF() && !walker.SkipNextBlock() && !walker.SkipNextGraphicBlock());
        return 0;
    }
    WalkBlocks(walker, size);
    CutFrames(walker, data.data(), size);
    for (size_t at = 0; at <= size + 1; at += 1 + at / 16)
        Check(walker.GetSubBlocksLen(at) <= size - std::min(at, size));
    walker.Detach();
    Check(!walker.SkipNextGraphicBlock() && walker.GetNextBlock() == lumgif::blockUnknown);
    return 0;
}

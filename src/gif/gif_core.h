// gif_core.h - block walker over a GIF87a/GIF89a stream in memory. It recognises the stream,
// counts its frames and cuts each frame out, together with the shared header, as a stand-alone
// single-frame GIF that the platform's picture loader can read. No Windows header: the walker is
// also built and fuzzed on the host.
#pragma once
#include <cstddef>

#include "core_api.h"

namespace lumgif {

enum GIFBlockTypes
{
    blockUnknown = 0,
    blockApplication = 1,
    blockComment = 2,
    blockGraphicControl = 3,
    blockPlainText = 4,
    blockImage = 5,
    blockTrailer = 6
};

// Delay, in hundredths of a second, of a frame without a graphic control extension: the 100 ms
// that the animation also waits for frames asking for less than 5 hundredths.
const unsigned kDefaultDelay = 10;

// One frame found by GetNextGraphicBlock.
struct GraphicBlock
{
    size_t start = 0;                // offset of its first block (its control extension, if any)
    size_t length = 0;               // bytes from start to the end of its image or plain text block
    unsigned delay = kDefaultDelay;  // hundredths of a second
    unsigned disposal = 0;           // disposal method, 0 without a control extension
    bool image = false;              // an image: the geometry below comes from its descriptor;
    unsigned left = 0, top = 0;      // a plain text block leaves it all 0
    unsigned width = 0, height = 0;
};

// Walks the blocks of a buffer that the caller keeps alive while it is attached. No operation
// reads at or past the end of the buffer: a cut or malformed stream ends the walk, and the frames
// complete before the fault remain.
class LUM_CORE_API GifWalker
{
public:
    // Forgets everything and looks at a new buffer. A GIF stays attached, its screen descriptor
    // read, its frames counted and the data pointer on its first block; anything else is let go.
    bool Attach(const unsigned char* data, size_t size);
    // Lets the buffer go; what was learnt about it stays. Walking operations then answer false.
    void Detach() { m_data = nullptr; m_size = 0; }
    void Reset() { *this = GifWalker(); }

    bool IsGIF() const { return m_isGif; }
    bool IsAnimatedGIF() const { return m_isGif && m_frameCount >= 2; }
    int GetFrameCount() const { return IsAnimatedGIF() ? m_frameCount : 0; }
    int FrameCount() const { return m_frameCount; }  // complete frames in a row from the first
    unsigned ScreenWidth() const { return m_screenWidth; }
    unsigned ScreenHeight() const { return m_screenHeight; }
    size_t GlobalTableSize() const { return m_globalTableSize; }  // bytes
    size_t Offset() const { return m_offset; }

    void ResetDataPointer();
    GIFBlockTypes GetNextBlock() const;
    // Length of the block at the data pointer: -1 for an unknown block, 0 when the block is cut
    // off by the end of the data.
    ptrdiff_t GetNextBlockLen() const;
    // Length of the sub-block chain at offset, its terminator included; 0 when the chain does not
    // end inside the data.
    size_t GetSubBlocksLen(size_t offset) const;
    bool SkipNextBlock();
    bool SkipNextGraphicBlock();
    // Walks over the next frame and describes it; false at the end of the frames.
    bool GetNextGraphicBlock(GraphicBlock& block);

    // The stand-alone GIF of a frame: this stream's header, screen descriptor and global colour
    // table, the frame's blocks, and a trailer.
    size_t FrameStreamSize(const GraphicBlock& block) const;
    void WriteFrameStream(const GraphicBlock& block, unsigned char* dest) const;

private:
    bool PassOver(bool controlToo);
    unsigned Word(size_t offset) const { return m_data[offset] | m_data[offset + 1] << 8; }
    ptrdiff_t ChainedLength(size_t fixed) const;

    const unsigned char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_offset = 0;
    size_t m_globalTableSize = 0;
    unsigned m_screenWidth = 0;
    unsigned m_screenHeight = 0;
    int m_frameCount = 0;
    bool m_isGif = false;
};

}  // namespace lumgif

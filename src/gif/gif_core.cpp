// gif_core.cpp - the GIF block walker.
#include "gif/gif_core.h"
#include <cstring>

namespace lumgif {

namespace {

const size_t kScreenEnd = 13;  // header (6) and logical screen descriptor (7)
const unsigned char kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;

// Bytes of a colour table whose packed field gives the size n in its low bits: 3 * 2^(n+1).
size_t ColourTableSize(unsigned char packed)
{
    return size_t(3) << ((packed & 7) + 1);
}

GIFBlockTypes ExtensionType(unsigned char label)
{
    switch (label) {
    case 0xFF: return blockApplication;
    case 0xFE: return blockComment;
    case 0xF9: return blockGraphicControl;
    case 0x01: return blockPlainText;
    default:   return blockUnknown;
    }
}

bool HasGifSignature(const unsigned char* data, size_t size)
{
    return size >= 6 && std::memcmp(data, "GIF", 3) == 0 &&
           (std::memcmp(data + 3, "87a", 3) == 0 || std::memcmp(data + 3, "89a", 3) == 0);
}

}  // namespace

bool GifWalker::Attach(const unsigned char* data, size_t size)
{
    Reset();
    if (!data || !HasGifSignature(data, size))
        return false;
    m_isGif = true;
    m_data = data;
    m_size = size;
    // A stream too short for its screen descriptor is still a GIF, one without frames.
    if (size >= kScreenEnd) {
        m_screenWidth = Word(6);
        m_screenHeight = Word(8);
        if (data[10] & 0x80)
            m_globalTableSize = ColourTableSize(data[10]);
    }
    ResetDataPointer();
    while (SkipNextGraphicBlock())
        ++m_frameCount;
    ResetDataPointer();
    return true;
}

void GifWalker::ResetDataPointer()
{
    m_offset = kScreenEnd + m_globalTableSize;
}

GIFBlockTypes GifWalker::GetNextBlock() const
{
    if (m_offset >= m_size)
        return blockUnknown;
    switch (m_data[m_offset]) {
    case kExtension: return m_offset + 1 < m_size ? ExtensionType(m_data[m_offset + 1]) : blockUnknown;
    case kImage:     return blockImage;
    case kTrailer:   return blockTrailer;
    default:         return blockUnknown;
    }
}

ptrdiff_t GifWalker::ChainedLength(size_t fixed) const
{
    size_t chain = GetSubBlocksLen(m_offset + fixed);
    return chain ? ptrdiff_t(fixed + chain) : 0;
}

ptrdiff_t GifWalker::GetNextBlockLen() const
{
    switch (GetNextBlock()) {
    case blockApplication:    return ChainedLength(14);
    case blockComment:        return ChainedLength(2);
    case blockGraphicControl: return 8;
    case blockPlainText:      return ChainedLength(15);
    case blockTrailer:        return 1;
    case blockImage:
        // 10 descriptor bytes, the local colour table, the LZW code size byte, then the data.
        if (m_size - m_offset < 10)
            return 0;
        return ChainedLength(11 + (m_data[m_offset + 9] & 0x80 ? ColourTableSize(m_data[m_offset + 9]) : 0));
    default:
        return -1;
    }
}

size_t GifWalker::GetSubBlocksLen(size_t offset) const
{
    size_t len = 0;
    while (offset < m_size) {
        size_t n = m_data[offset];
        len += n + 1;
        if (n == 0)
            return len;
        offset += n + 1;
    }
    return 0;
}

bool GifWalker::SkipNextBlock()
{
    ptrdiff_t len = GetNextBlockLen();
    if (len < 1 || size_t(len) > m_size - m_offset)
        return false;
    m_offset += size_t(len);
    return true;
}

// Skips application and comment extensions (and control extensions when asked) up to the next
// block of another kind.
bool GifWalker::PassOver(bool controlToo)
{
    for (;;) {
        GIFBlockTypes type = GetNextBlock();
        if (type != blockApplication && type != blockComment && !(controlToo && type == blockGraphicControl))
            return true;
        if (!SkipNextBlock())
            return false;
    }
}

bool GifWalker::SkipNextGraphicBlock()
{
    GraphicBlock block;
    return GetNextGraphicBlock(block);
}

bool GifWalker::GetNextGraphicBlock(GraphicBlock& block)
{
    block = GraphicBlock();
    if (!m_data || !PassOver(false))
        return false;
    block.start = m_offset;
    if (GetNextBlock() == blockGraphicControl) {
        if (!SkipNextBlock())
            return false;
        block.delay = Word(block.start + 4);
        block.disposal = (m_data[block.start + 3] >> 2) & 7;
        if (!PassOver(true))
            return false;
    }
    GIFBlockTypes type = GetNextBlock();
    if (type != blockImage && type != blockPlainText)
        return false;
    size_t at = m_offset;
    if (!SkipNextBlock())
        return false;
    if (type == blockImage) {
        block.image = true;
        block.left = Word(at + 1);
        block.top = Word(at + 3);
        block.width = Word(at + 5);
        block.height = Word(at + 7);
    }
    block.length = m_offset - block.start;
    return true;
}

size_t GifWalker::FrameStreamSize(const GraphicBlock& block) const
{
    return kScreenEnd + m_globalTableSize + block.length + 1;
}

void GifWalker::WriteFrameStream(const GraphicBlock& block, unsigned char* dest) const
{
    size_t head = kScreenEnd + m_globalTableSize;
    std::memcpy(dest, m_data, head);
    std::memcpy(dest + head, m_data + block.start, block.length);
    dest[head + block.length] = kTrailer;
}

}  // namespace lumgif

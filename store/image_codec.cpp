// Image codec of the data file: the image is cut into 1024-byte chunks; each chunk becomes a
// 5-byte header (three zero bytes, payload length high byte first) and a payload of run and
// literal tokens, XOR-scrambled with a fixed 16-byte key that restarts with every payload.
#include "channel_store.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kChunkSize = 1024;
constexpr int kChunkHeaderSize = 5;
constexpr int kRunTokenSize = 6;
constexpr std::array<BYTE, 3> kRunMarker = {0xAA, 0xCC, 0xCC};
constexpr std::array<BYTE, 16> kScrambleKey = {0x3A, 0x91, 0x5C, 0xE7, 0x08, 0xB4, 0x6F, 0x22,
                                               0xD3, 0x7E, 0x15, 0xA9, 0x4B, 0xF0, 0x86, 0x2D};

// XOR is its own inverse: the same routine scrambles and unscrambles a payload.
void Scramble(BYTE* pPayload, int nLength) {
    for (int j = 0; j < nLength; ++j)
        pPayload[j] ^= kScrambleKey[j % kScrambleKey.size()];
}

// Appends bytes to the caller's buffer and refuses to go past its capacity.
class BoundedWriter {
  public:
    BoundedWriter(BYTE* pDest, int nCapacity) : m_pDest(pDest), m_nCapacity(nCapacity) {}

    bool Put(BYTE b) {
        if (m_nPos >= m_nCapacity)
            return false;
        m_pDest[m_nPos++] = b;
        return true;
    }
    bool PutRun(BYTE b, int nCount) {
        if (m_nCapacity - m_nPos < kRunTokenSize)
            return false;
        for (BYTE marker : kRunMarker)
            m_pDest[m_nPos++] = marker;
        m_pDest[m_nPos++] = b;
        m_pDest[m_nPos++] = static_cast<BYTE>(nCount >> 8);
        m_pDest[m_nPos++] = static_cast<BYTE>(nCount & 0xFF);
        return true;
    }
    // A run of 2 or more equal bytes always takes a run token, so the marker never appears
    // as literals and the decoder's token boundaries stay unambiguous.
    bool PutToken(BYTE b, int nCount) { return nCount >= 2 ? PutRun(b, nCount) : Put(b); }
    int Position() const { return m_nPos; }
    BYTE* At(int nPos) { return m_pDest + nPos; }

  private:
    BYTE* m_pDest;
    int m_nCapacity;
    int m_nPos = 0;
};

bool EncodeChunk(const BYTE* pChunk, int nLength, BoundedWriter& out) {
    const int nStart = out.Position();
    for (int i = 0; i < kChunkHeaderSize; ++i) {
        if (!out.Put(0))
            return false;
    }
    int i = 0;
    while (i < nLength) {
        int nRun = 1;
        while (i + nRun < nLength && pChunk[i + nRun] == pChunk[i])
            ++nRun;
        if (!out.PutToken(pChunk[i], nRun))
            return false;
        i += nRun;
    }
    const int nPayload = out.Position() - nStart - kChunkHeaderSize;
    BYTE* pHeader = out.At(nStart);
    pHeader[3] = static_cast<BYTE>(nPayload >> 8);
    pHeader[4] = static_cast<BYTE>(nPayload & 0xFF);
    Scramble(pHeader + kChunkHeaderSize, nPayload);
    return true;
}

// Output beyond the image size is dropped, so a damaged stream cannot write past the image.
class ImageSink {
  public:
    explicit ImageSink(BYTE* pDest) : m_pDest(pDest) {}

    void Fill(BYTE b, int nCount) {
        const int n = std::min<int>(nCount, kImageBufferSize - m_nPos);
        std::fill_n(m_pDest + m_nPos, n, b);
        m_nPos += n;
    }
    int Size() const { return m_nPos; }

  private:
    BYTE* m_pDest;
    int m_nPos = 0;
};

bool IsRunMarker(const BYTE* p, int nLeft) {
    return nLeft >= static_cast<int>(kRunMarker.size()) &&
           std::equal(kRunMarker.begin(), kRunMarker.end(), p);
}

// Walks one unscrambled payload. A run token cut off by the payload's end cannot come from
// the encoder; the walk ends there and what was output before it stands.
void DecodePayload(const BYTE* pPayload, int nLength, ImageSink& out) {
    int i = 0;
    while (i < nLength) {
        const BYTE* p = pPayload + i;
        if (IsRunMarker(p, nLength - i)) {
            if (nLength - i < kRunTokenSize)
                return;
            out.Fill(p[3], p[4] * 256 + p[5]);
            i += kRunTokenSize;
        } else {
            out.Fill(p[0], 1);
            ++i;
        }
    }
}

} // namespace

int EncodeImage(const BYTE* pSrc, int nSrc, BYTE* pDest, int nDestCapacity) {
    if (pSrc == nullptr || pDest == nullptr || nSrc <= 0 || nDestCapacity <= 0)
        return 0;
    BoundedWriter out(pDest, nDestCapacity);
    for (int nOffset = 0; nOffset < nSrc; nOffset += kChunkSize) {
        if (!EncodeChunk(pSrc + nOffset, std::min(kChunkSize, nSrc - nOffset), out))
            return 0;
    }
    return out.Position();
}

int DecodeImage(BYTE* pSrc, int nSrc, BYTE* pDest) {
    if (pSrc == nullptr || pDest == nullptr)
        return 0;
    ImageSink out(pDest);
    int p = 0;
    while (p < nSrc) {
        const int nLeft = nSrc - p;
        // A header cut off at the end of the input ends the stream; what came before stands.
        if (nLeft < kChunkHeaderSize)
            break;
        if (pSrc[p] != 0 || pSrc[p + 1] != 0 || pSrc[p + 2] != 0)
            return 0;
        const int nPayload = std::min(pSrc[p + 3] * 256 + pSrc[p + 4], nLeft - kChunkHeaderSize);
        BYTE* pPayload = pSrc + p + kChunkHeaderSize;
        Scramble(pPayload, nPayload);
        DecodePayload(pPayload, nPayload, out);
        p += kChunkHeaderSize + nPayload;
    }
    return out.Size();
}

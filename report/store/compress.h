#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// The semi-splaying prefix code of D. W. Jones's splay-tree compression, as
// the compressed page records use it. Each page is coded with a tree of its
// own: a TBVCompress starts from the initial tree and serves one page.
//
// Tree: inner nodes 0..255 (root 0), leaves 256..511 for the byte values;
// node 512 is the spare leaf of the complete initial tree and never codes a
// byte. Bits go into bytes from the least significant bit up.
class TBVCompress {
public:
    TBVCompress();

    // Appends the code of the bytes to out. Completed bytes are appended as
    // they fill; call flush after the last byte of the page.
    void compress(const char* data, size_t size, QByteArray& out);
    // Appends the partly filled last byte, if any.
    void flush(QByteArray& out);

    // Decodes exactly count bytes from the code in input. Throws EBVError
    // when the code runs out before that or leads to the spare leaf.
    QByteArray expand(const char* input, size_t inputSize, size_t count);

private:
    void splay(int byte);

    void putBits(uint64_t bits, int count, QByteArray& out);

    uint16_t m_up[513];
    // Children of the inner nodes: [0] left, [1] right.
    uint16_t m_child[256][2];
    // Code bits not yet written, oldest in the lowest bit.
    uint64_t m_pending = 0;
    int m_pendingBits = 0;
};

// One page through a fresh coder, and back.
QByteArray compressPage(const QByteArray& page);
QByteArray expandPage(const char* input, size_t inputSize, size_t count);

#include "documents/PdfFile.h"

#include <cmath>

namespace {
// zlib's fastest level, and its default one.
constexpr int kFastCompression = 1;
constexpr int kSmallCompression = 6;
// qCompress() puts the length of the data, 4 bytes, before the zlib stream.
constexpr int kQtLengthPrefix = 4;
}  // namespace

PdfFile::PdfFile() {
  // 1.6 for fonts embedded as OpenType. The binary comment tells programs
  // that copy the file that it is binary.
  bytes_ = QByteArrayLiteral("%PDF-1.6\n%\xe2\xe3\xcf\xd3\n");
}

int PdfFile::reserve() {
  offsets_.push_back(-1);
  return int(offsets_.size());
}

void PdfFile::add(int id, const QByteArray& body) {
  offsets_[std::size_t(id - 1)] = bytes_.size();
  bytes_ += QByteArray::number(id) + " 0 obj\n" + body + "\nendobj\n";
}

void PdfFile::addStream(int id, const QByteArray& data, const QByteArray& entries, Compression compression) {
  const QByteArray compressed =
      qCompress(data, compression == Compression::kFast ? kFastCompression : kSmallCompression);
  const QByteArrayView flate = QByteArrayView(compressed).sliced(kQtLengthPrefix);
  offsets_[std::size_t(id - 1)] = bytes_.size();
  bytes_ += QByteArray::number(id) + " 0 obj\n<< /Length " + QByteArray::number(flate.size()) +
            " /Filter /FlateDecode " + entries + " >>\nstream\n";
  bytes_ += flate;
  bytes_ += "\nendstream\nendobj\n";
}

QByteArray PdfFile::finish(int root, int info) {
  const qint64 xref = bytes_.size();
  bytes_ += "xref\n0 " + QByteArray::number(qsizetype(offsets_.size()) + 1) + "\n0000000000 65535 f \n";
  // Each entry is exactly 20 bytes: a 10-digit offset, the generation, "n".
  for (const qint64 offset : offsets_)
    bytes_ += QByteArray::number(std::max<qint64>(offset, 0)).rightJustified(10, '0') + " 00000 n \n";
  bytes_ += "trailer\n<< /Size " + QByteArray::number(qsizetype(offsets_.size()) + 1) + " /Root " +
            QByteArray::number(root) + " 0 R /Info " + QByteArray::number(info) + " 0 R >>\nstartxref\n" +
            QByteArray::number(xref) + "\n%%EOF\n";
  return std::move(bytes_);
}

QByteArray PdfFile::textString(const QString& text) {
  QByteArray utf16("\xfe\xff", 2);
  for (const QChar c : text) {
    utf16 += char(c.unicode() >> 8);
    utf16 += char(c.unicode() & 0xff);
  }
  return '<' + utf16.toHex() + '>';
}

void PdfFile::appendNumber(QByteArray& out, double value) {
  const double hundredths = std::round(value * 100);
  if (hundredths == std::round(value) * 100) {
    out += QByteArray::number(qint64(std::round(value)));
    return;
  }
  QByteArray text = QByteArray::number(hundredths / 100, 'f', 2);
  while (text.endsWith('0')) text.chop(1);
  out += text;
}

#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The bytes of a PDF file: numbered objects written one after the other,
// then the cross-reference table that finds them and the trailer. Objects
// may be written in any order once their numbers are taken.
class PdfFile {
public:
  PdfFile();

  // A new object number, for an object written later.
  int reserve();
  // Writes object `id` (from reserve()) with `body`, a PDF value.
  void add(int id, const QByteArray& body);
  // How hard a stream is compressed: fast for text, whose size grows with
  // the document, smaller for a picture, whose size does not.
  enum class Compression { kFast, kSmall };
  // Writes object `id` as a stream of `data` compressed with FlateDecode;
  // `entries` are more entries of its dictionary ("/Type /XObject ...").
  void addStream(int id, const QByteArray& data, const QByteArray& entries = {},
                 Compression compression = Compression::kFast);
  // The whole file, with `root` as the catalogue and `info` as the
  // document's properties. Nothing can be added afterwards.
  QByteArray finish(int root, int info);

  // `text` as a PDF text string: UTF-16BE with its byte order mark, in hex.
  static QByteArray textString(const QString& text);
  // `value` in as few characters as PDF reads it back: at most 2 decimals.
  static void appendNumber(QByteArray& out, double value);

private:
  QByteArray bytes_;
  std::vector<qint64> offsets_;  // per object number - 1; -1 until written
};

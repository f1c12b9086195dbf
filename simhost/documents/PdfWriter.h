// A small writer of PDF files: numbered objects and streams, the cross-reference
// table and the trailer. It writes only what its caller hands it; no text of a
// document reaches the file except through HexString.
#ifndef KESTRUNE_SIMHOST_PDFWRITER_H
#define KESTRUNE_SIMHOST_PDFWRITER_H

#include <string>
#include <vector>

namespace simhost {

class PdfWriter {
 public:
  // Reserves an object number, so that objects can refer to each other in any order.
  int Reserve();
  // body is the object's content, e.g. "<< /Type /Catalog /Pages 2 0 R >>".
  void SetObject(int number, const std::string& body);
  // A stream object; dictionary entries go without the surrounding << >> and /Length.
  void SetStream(int number, const std::string& entries, const std::string& data);
  // The whole file: the header, the comment lines ("%..." each, placed right after
  // the header), the objects, the table and a trailer naming root and info.
  std::string Finish(const std::vector<std::string>& comments, int root, int info) const;

 private:
  std::vector<std::string> bodies_;  // indexed by object number - 1
};

// A PDF hex string: "<48656C6C6F>".
std::string HexString(const std::string& bytes);
// Uppercase hex digits, two per byte, in lines of at most 64 digits.
std::string HexLines(const std::string& bytes);
// A real as PDF writes it: no exponent, at most four decimals, no trailing zeros.
std::string PdfNumber(double value);

}  // namespace simhost

#endif

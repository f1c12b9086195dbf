#include "IText.h"

#include "ATESuites.h"

// The suites the wrappers call through: the plug-in defines these and holds them
// while it runs; null while a suite is not held.
extern const ATE::TextRangeSuite* sTextRange;
extern const ATE::CharFeaturesSuite* sCharFeatures;
extern const ATE::FontSuite* sFont;
extern const ATE::TextFrameSuite* sTextFrame;

namespace ATE {
namespace {

template <typename SuiteT>
const SuiteT& Suite(SuiteT* suite) {
  if (suite == nullptr) throw ATE::Exception(kInternalError);
  return *suite;
}

void Check(ATEErr err) {
  if (err != kNoError) throw ATE::Exception(err);
}

// Copying a wrapper shares the host object; the destructor gives the share back.
template <typename SuiteT, typename Ref>
void Retain(SuiteT* suite, Ref ref) {
  if (ref != nullptr) Check(Suite(suite).AddRef(ref));
}

template <typename SuiteT, typename Ref>
void ReleaseQuietly(SuiteT* suite, Ref ref) {
  if (ref != nullptr && suite != nullptr) suite->Release(ref);
}

template <typename SuiteT, typename Ref>
void Assign(SuiteT* suite, Ref& mine, Ref theirs) {
  if (mine == theirs) return;
  Retain(suite, theirs);
  ReleaseQuietly(suite, mine);
  mine = theirs;
}

}  // namespace

IFont::IFont(const IFont& other) : fFont(other.fFont) { Retain(sFont, fFont); }
IFont& IFont::operator=(const IFont& other) {
  Assign(sFont, fFont, other.fFont);
  return *this;
}
IFont::~IFont() { ReleaseQuietly(sFont, fFont); }

ICharFeatures::ICharFeatures(const ICharFeatures& other) : fFeatures(other.fFeatures) {
  Retain(sCharFeatures, fFeatures);
}
ICharFeatures& ICharFeatures::operator=(const ICharFeatures& other) {
  Assign(sCharFeatures, fFeatures, other.fFeatures);
  return *this;
}
ICharFeatures::~ICharFeatures() { ReleaseQuietly(sCharFeatures, fFeatures); }

IFont ICharFeatures::GetFont(bool* isAssigned) const {
  FontRef font = nullptr;
  bool assigned = false;
  Check(Suite(sCharFeatures).GetFont(fFeatures, &assigned, &font));
  if (isAssigned != nullptr) *isAssigned = assigned;
  return IFont(font);
}

ITextRange::ITextRange(const ITextRange& other) : fRange(other.fRange) { Retain(sTextRange, fRange); }
ITextRange& ITextRange::operator=(const ITextRange& other) {
  Assign(sTextRange, fRange, other.fRange);
  return *this;
}
ITextRange::~ITextRange() { ReleaseQuietly(sTextRange, fRange); }

ATETextDOM::Int32 ITextRange::GetStart() const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetStart(fRange, &ret));
  return ret;
}

ATETextDOM::Int32 ITextRange::GetSize() const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetSize(fRange, &ret));
  return ret;
}

void ITextRange::SetRange(ATETextDOM::Int32 start, ATETextDOM::Int32 end) {
  Check(Suite(sTextRange).SetRange(fRange, start, end));
}

ATETextDOM::Int32 ITextRange::GetContents(ATETextDOM::Unicode* text, ATETextDOM::Int32 maxLength) const {
  ATETextDOM::Int32 ret = 0;
  Check(Suite(sTextRange).GetContents_AsUnicode(fRange, text, maxLength, &ret));
  return ret;
}

ICharFeatures ITextRange::GetUniqueLocalCharFeatures() {
  CharFeaturesRef ret = nullptr;
  Check(Suite(sTextRange).GetUniqueLocalCharFeatures(fRange, &ret));
  return ICharFeatures(ret);
}

ICharFeatures ITextRange::GetUniqueCharFeatures() const {
  CharFeaturesRef ret = nullptr;
  Check(Suite(sTextRange).GetUniqueCharFeatures(fRange, &ret));
  return ICharFeatures(ret);
}

ITextFrame::ITextFrame(const ITextFrame& other) : fFrame(other.fFrame) { Retain(sTextFrame, fFrame); }
ITextFrame& ITextFrame::operator=(const ITextFrame& other) {
  Assign(sTextFrame, fFrame, other.fFrame);
  return *this;
}
ITextFrame::~ITextFrame() { ReleaseQuietly(sTextFrame, fFrame); }

ITextRange ITextFrame::GetTextRange(bool bIncludeOverflow) const {
  TextRangeRef ret = nullptr;
  Check(Suite(sTextFrame).GetTextRange(fFrame, bIncludeOverflow, &ret));
  return ITextRange(ret);
}

}  // namespace ATE

#pragma once

#include <functional>
#include <string>

/// Fits a title into a width in pixels: whole at the usual size if it fits, else wrapped at
/// spaces onto two lines, else in smaller type, and at the smallest size cut short with "...".
class TitleFitter
{
public:
  /// The width in pixels of one line of text at a font size.
  using Measure = std::function<double(const std::string& line, int fontSize)>;

  struct Fitted
  {
    /// Lines separated by '\n'.
    std::string text;
    int fontSize = 0;
  };

  TitleFitter(Measure measure, int fontSize, int smallestFontSize);

  Fitted fit(const std::string& title, double width) const;

private:
  /// The title on at most two lines that each fit; empty when it cannot be.
  std::string wrapped(const std::string& title, double width, int fontSize) const;
  /// The title on at most two lines, each cut short where it does not fit.
  std::string cut(const std::string& title, double width, int fontSize) const;
  std::string shortened(const std::string& line, double width, int fontSize) const;
  bool fits(const std::string& line, double width, int fontSize) const;

  Measure m_measure;
  int m_fontSize;
  int m_smallestFontSize;
};

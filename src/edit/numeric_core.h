// numeric_core.h - the numeric mode of CLumEdit as string logic: a signed number with its integer
// part grouped, a fixed count of decimals and the locale's separators, edited key by key. The
// edit window reads its text and selection into a NumericText, lets the engine work on it and
// writes the result back (SetWindowTextA, EM_SETSEL, EM_SCROLLCARET). No Windows header: the
// engine is also built and tested on the host.
#pragma once
#include <string>
#include <string_view>

#include "core_api.h"

namespace lumedit {

const int kMaxDecimals = 4;
const int kMaxDigits = 17;   // integer digits plus decimals
const int kGroupSize = 3;

// What the edit window shows: GetWindowTextA and the selection of EM_GETSEL. The caret of every
// operation is the selection start; every operation leaves the selection collapsed on its caret.
struct NumericText
{
    std::string text;
    int selStart = 0;
    int selEnd = 0;

    bool hasSelection() const { return selEnd > selStart; }
};

class LUM_CORE_API NumericEngine
{
public:
    // ---- settings and value (CLumEdit's public numeric operations) ----
    // Stores the mode, the decimals and the grouping, resets the separators to '.' and ',' and
    // the value to 0; false, with nothing changed, above kMaxDecimals. The caller then reads the
    // locale into LocalSettings. The text is not touched.
    bool SetNumericOnly(bool bNumeric, unsigned nDecimals, bool bCommas);
    bool IsNumericOnly() const { return m_bNumericOnly; }
    // The locale's decimal and thousands strings (LOCALE_SDECIMAL, LOCALE_STHOUSAND): their first
    // characters become the separators. An empty or unusable string keeps the separator it would
    // replace, and grouping never takes the decimal point's character.
    void LocalSettings(std::string_view decimal, std::string_view thousand);

    double GetValue() const { return m_dValue; }
    // Renders v into out with the caret at 0 and keeps the value that the text shows (cut at the
    // last decimal). False, with nothing changed, for a value that is not finite or whose integer
    // digits plus decimals exceed kMaxDigits.
    bool SetValue(double v, NumericText& out);

    // The setters below only store; the window then re-renders with SetValue(GetValue()).
    int GetDecimals() const { return m_nDecimals; }
    bool SetDecimals(int n);   // false outside 0..kMaxDecimals
    bool GetCommas() const { return m_bCommas; }
    void EnableCommas(bool bCommas) { m_bCommas = bCommas; }
    // A separator is any character but NUL, a digit or a sign. Giving one separator the other's
    // character swaps them, so a caller can switch between "1,234.5" and "1.234,5" in either order.
    char GetComma() const { return m_chComma; }
    void SetComma(char ch);
    char GetDecimalPoint() const { return m_chDecimalPoint; }
    void SetDecimalPoint(char ch);

    // ---- keyboard (CLumEdit's WM_CHAR and WM_KEYDOWN handling in numeric mode) ----
    // One typed character: a digit, '-' or '+', backspace (8) or the decimal point. False when
    // the character is ignored and the window must stay as it is.
    bool processCharacter(NumericText& t, unsigned ch);
    // The Delete key: removes the selection, or the character right of the caret.
    void processDeleteKey(NumericText& t);
    // Pasted text acts as if typed: its digits, signs and decimal points are processed in order,
    // anything else is ignored. False when nothing in it acts (the window stays as it is).
    bool processPaste(NumericText& t, std::string_view clip);

    void processDigit(NumericText& t, unsigned ch);
    void processSign(NumericText& t, unsigned ch);
    void processDecimalPoint(NumericText& t);
    void processDelete(NumericText& t);
    void processBackspace(NumericText& t);
    // Removes the selection and re-renders the text from its value (leading zeros go, decimals are
    // padded, groups are redone); the caret keeps its place among the digits.
    void deleteSelection(NumericText& t);
    // The text and caret to write back; the value becomes the number the text shows.
    void setStringAndSelection(NumericText& t, std::string text, int caret);

    // ---- conversions ----
    // The text of v: its digits cut, not rounded, at the last decimal.
    std::string toString(double v) const;
    // The number a text shows: separators dropped, read as the runtime's atof reads "I.D" (leading
    // blanks and a sign, then digits), whatever the separators are and whatever C locale is set.
    double parseValue(std::string_view s) const;

    // ---- string helpers ----
    std::string putCommas(std::string_view in) const;
    void removeCommas(std::string& s) const;
    void removeFirstComma(std::string& s) const;
    void getIntegerAndDecimal(std::string_view s, std::string& integer, std::string& decimals) const;
    static void deleteCharRight(std::string& s, int pos, int n);
    static void deleteCharLeft(std::string& s, int pos, int n) { deleteCharRight(s, pos - n, n); }
    static std::string midString(std::string_view s, int start, int count);
    bool bIsLeftDecimal(std::string_view s, int pos) const;
    bool bIsLeftCharacterComma(std::string_view s, int pos) const { return charAt(s, pos - 1) == m_chComma; }
    bool bIsRightCharacterComma(std::string_view s, int pos) const { return charAt(s, pos) == m_chComma; }
    bool bIsLeftCharacterDecimal(std::string_view s, int pos) const { return charAt(s, pos - 1) == m_chDecimalPoint; }
    bool bIsRightCharacterDecimal(std::string_view s, int pos) const { return charAt(s, pos) == m_chDecimalPoint; }
    static bool bIsRightCharacterSign(std::string_view s, int pos) { return charAt(s, pos) == '-'; }

private:
    static char charAt(std::string_view s, int pos);   // NUL outside s
    int decimalIndex(std::string_view s) const;         // the decimal point, or the length
    int caretAmongDigits(std::string_view from, int caret, std::string_view to) const;
    bool fitsDigitLimit(double v) const;

    bool m_bNumericOnly = false;
    double m_dValue = 0.0;
    bool m_bCommas = false;
    char m_chComma = ',';
    char m_chDecimalPoint = '.';
    int m_nDecimals = 0;
};

}  // namespace lumedit

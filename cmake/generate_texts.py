#!/usr/bin/env python3
"""Writes the Japanese texts of the program's text table as Shift-JIS C string literals.

usage: generate_texts.py TABLE OUTPUT

TABLE is SOURCE/common/Texts.def, UTF-8: entries KSR_TEXT(id, kind, "japanese", "english")
in C syntax, where a text may be split into adjacent literals and the only escapes are
\\r, \\n, \\t, \\" and \\\\. OUTPUT receives one literal per entry, in table order, for an
array initialiser. The plug-in stores Japanese texts in code page 932, the Shift-JIS of
the host on Windows and macOS. Exits 1, naming the place, on anything it cannot read or
a character code page 932 does not have.
"""
import re
import sys

KINDS = ("Plain", "Count", "Format")
ESCAPES = {"r": "\r", "n": "\n", "t": "\t", '"': '"', "\\": "\\"}


class TableError(Exception):
    pass


def tokens(text):
    """(kind, value, line) for each identifier, string literal and punctuation mark."""
    i, line = 0, 1
    while i < len(text):
        c = text[i]
        if c == "\n":
            line += 1
            i += 1
        elif c.isspace():
            i += 1
        elif text.startswith("//", i):
            end = text.find("\n", i)
            i = len(text) if end < 0 else end
        elif c == '"':
            value, i = [], i + 1
            while True:
                if i >= len(text) or text[i] == "\n":
                    raise TableError("line %d: unterminated string" % line)
                if text[i] == '"':
                    i += 1
                    break
                if text[i] == "\\":
                    escape = text[i + 1:i + 2]
                    if escape not in ESCAPES:
                        raise TableError("line %d: unknown escape \\%s" % (line, escape))
                    value.append(ESCAPES[escape])
                    i += 2
                else:
                    value.append(text[i])
                    i += 1
            yield ("string", "".join(value), line)
        elif c.isalnum() or c == "_":
            word = re.match(r"\w+", text[i:]).group(0)
            yield ("word", word, line)
            i += len(word)
        elif c in "(),":
            yield (c, c, line)
            i += 1
        else:
            raise TableError("line %d: unexpected %r" % (line, c))


def entries(text):
    """(id, kind, japanese, english, line) for each entry, in order."""
    stream = list(tokens(text))
    position = 0

    def take(kind):
        nonlocal position
        if position >= len(stream):
            raise TableError("unexpected end of the table, %s expected" % kind)
        token = stream[position]
        if token[0] != kind:
            raise TableError("line %d: %s expected, found %r" % (token[2], kind, token[1]))
        position += 1
        return token

    def literal():
        nonlocal position
        parts = [take("string")[1]]
        while position < len(stream) and stream[position][0] == "string":
            parts.append(stream[position][1])
            position += 1
        return "".join(parts)

    result = []
    while position < len(stream):
        macro = take("word")
        if macro[1] != "KSR_TEXT":
            raise TableError("line %d: KSR_TEXT expected, found %s" % (macro[2], macro[1]))
        take("(")
        name = take("word")[1]
        take(",")
        kind = take("word")
        if kind[1] not in KINDS:
            raise TableError("line %d: %s: the kind is one of %s" % (kind[2], name, ", ".join(KINDS)))
        take(",")
        japanese = literal()
        take(",")
        english = literal()
        take(")")
        result.append((name, kind[1], japanese, english, macro[2]))
    return result


def c_literal(data):
    """A C string literal of the bytes: printable ASCII as it is, the rest in hex."""
    out, after_hex = ['"'], False
    for byte in data:
        char = chr(byte)
        if 0x20 <= byte < 0x7F and char not in '"\\':
            if after_hex and char in "0123456789abcdefABCDEF":
                out.append('" "')  # a hex escape would swallow the digit
            out.append(char)
            after_hex = False
        elif char in "\r\n\t":
            out.append({"\r": "\\r", "\n": "\\n", "\t": "\\t"}[char])
            after_hex = False
        else:
            out.append("\\x%02X" % byte)
            after_hex = True
    out.append('"')
    return "".join(out)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[2])
    table, output = sys.argv[1], sys.argv[2]
    try:
        with open(table, encoding="utf-8") as f:
            rows = entries(f.read())
        seen = set()
        lines = ["// Generated from Texts.def by cmake/generate_texts.py: the Japanese texts in",
                 "// Shift-JIS (code page 932), in table order. Do not edit.", ""]
        for name, _kind, japanese, _english, line in rows:
            if name in seen:
                raise TableError("line %d: %s is listed twice" % (line, name))
            seen.add(name)
            try:
                stored = japanese.encode("cp932")
            except UnicodeEncodeError as error:
                raise TableError("line %d: %s: %r is not in code page 932" % (line, name, error.object[error.start]))
            # Some characters share a code (U+301C and U+FF5E are both 0x8160): the table
            # must hold the one the bytes read back as, which is what users see.
            for written, read in zip(japanese, stored.decode("cp932")):
                if written != read:
                    raise TableError("line %d: %s: %r reads back from code page 932 as %r; write that"
                                     % (line, name, written, read))
            lines.append("/* %s */ %s," % (name, c_literal(stored)))
    except (TableError, UnicodeDecodeError) as error:
        sys.exit("%s: %s" % (table, error))
    with open(output, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Checks the editor support of editors/ against the way Korvex reads text.

  textmate  editors/vscode/syntaxes/korvex.tmLanguage.json is valid JSON,
            every regex in it compiles and every include resolves; a small
            TextMate tokenizer (below) runs it over the corpus.
  vim       editors/vim is loaded into a headless vim, which gives the
            syntax group of every character of the corpus; *.kv files get
            the korvex filetype. Without vim the test is skipped (77).

The corpus is the .v files of examples/ and of the guide's cases, and a few
lines that Korvex reads in ways a highlighter gets wrong. For every
character, the kind that the editor gives it (remark, statement keyword,
inline form, group reference, built-in swap, ;; or \\\\, unparsed text, or
none) must be the kind expected from Korvex's rules, computed here without
the grammar: remarks as Korvex cuts them (block markers first, inside
Verilog comments and strings too), statement keywords where they open a
line or follow ;;, inline forms, group references and built-in swaps
wherever they stand, and nothing but remarks from ENDPARSE to STARTPARSE.

Usage: editors_check.py SOURCE_DIR textmate|vim
"""
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

STATEMENTS = ["IFNDEF", "IFNOT", "IFDEF", "IF", "ELSE", "ENDIF", "DEFINE", "UNDEF", "SWAP", "ENUM",
              "CHECK", "ENDBUILD", "BUILD", "ENDLOOP", "LOOP", "ENDITER", "ITER", "GROUP", "STOMP",
              "INCLUDE", "CREATE", "OUTFILE", "OUTDIR", "LIST", "STARTPARSE"]
FORMS = ["GONCAT.REV", "GONCAT", "CONCAT.REV", "CONCAT", "EXPR", "LOG2", "BIN", "OCT", "HEX", "DUPL",
         "UCASE", "LCASE", "CONST", "TRUE", "DVAL", "VERIFY", "DEFCMD"]
STATEMENT_RE = re.compile(r"\s*((?:%s)(?:\.GLOBAL|\.CMD)?)(?![A-Za-z0-9_])" % "|".join(STATEMENTS))
TEXT_RE = re.compile(r"(?P<inline>(?:%s)(?=\()|PORTS)|(?P<group>GROUP_\w+(?:\.[A-Za-z_]\w*)*)"
                     r"|(?P<builtin>VERSION|BUILD_NUM)|(?P<split>;;)|(?P<join>\\\\)"
                     % "|".join(re.escape(f) for f in FORMS))

# Lines that Korvex reads in ways a highlighter easily gets wrong.
TRICKY = r"""wire a; // note ## remark EXPR(1) <## closed ##> still remark
initial $display("a ## b");
/* a <## b */ c ##> d */ EXPR(1)
localparam PAD = 4'bDUPL(01 2), W = GONCAT.REV(GROUP_req.WIDTH +);
assign m_GROUP_req = GROUP_req.PARAM(ADDR_W 12);
  SWAP.GLOBAL VARIANT small ;; DEFINE.GLOBAL FAST
IFDEF TRUE(BUILD_NUM==1)
// built by Korvex VERSION
assign long = a + \\
/* a block comment
IFDEF INSIDE_COMMENT
*/
x ## a <## opened after a line remark
still remarked ##> UCASE(back)
// a comment <## opens a block remark
that runs on ##> EXPR(1)
// ENDPARSE in a comment
TRUE EXPR(1) IF x ## remark
STARTPARSE
"a string holds CONST(x) and <## a remark ##>"
"""


def expected_kinds(lines):
    """The kind of every character of lines, by Korvex's rules."""
    depth, unparsed, result = 0, False, []
    for line in lines:
        kinds = [None] * len(line)

        def mark(a, b, kind):
            for c in range(a, b):
                if kinds[c] is None:
                    kinds[c] = kind
        # Remarks: the block markers are looked for first, then the line remark
        # in what is left of the line.
        pos, end = 0, len(line)
        if depth:
            i = line.find("##>")
            pos = len(line) if i < 0 else i + 3
            mark(0, pos, "block")
            depth = 1 if i < 0 else 0
        i = line.find("<##", pos) if not depth else -1
        if i >= 0:
            j = line.find("##>", i + 3)
            mark(i, len(line) if j < 0 else j + 3, "block")
            if j < 0:
                depth, end = 1, i
        left = [c for c in range(pos, end) if kinds[c] is None]
        k = "".join(line[c] for c in left).find("##")
        if k >= 0:
            for c in left[k:]:
                kinds[c] = "line"
        text = "".join("\0" if kinds[c] else ch for c, ch in enumerate(line))
        # Unparsed regions, then statements, inline forms and the rest.
        start = 0
        if unparsed:
            i = text.find("STARTPARSE")
            mark(0, len(line) if i < 0 else i, "unparsed")
            if i < 0:
                result.append(kinds)
                continue
            mark(i, i + 10, "directive")
            start, unparsed = i + 10, False
        stop = text.find("ENDPARSE", start)
        if stop >= 0:
            mark(stop, stop + 8, "directive")
            mark(stop + 8, len(line), "unparsed")
            unparsed = True
        segment = text[:stop] if stop >= 0 else text
        for m in TEXT_RE.finditer(segment, start):
            mark(m.start(), m.end(), m.lastgroup)
        for at in ([0] if start == 0 else []) + [m.end() for m in re.finditer(";;", segment)]:
            m = STATEMENT_RE.match(segment, at)
            if m:
                mark(m.start(1), m.end(1), "directive")
        result.append(kinds)
    return result


class Grammar:
    """A TextMate tokenizer: the rules of the current context are tried at
    each position, with the end of the open begin/end rule first; the
    leftmost match wins, then the earlier rule. Captures are applied;
    injections and other grammars (source.verilog) are left out."""

    def __init__(self, data):
        self.data, self.repo, self.cache = data, data.get("repository", {}), {}

    def regex(self, text):
        if text not in self.cache:
            self.cache[text] = re.compile(text)
        return self.cache[text]

    def rules(self, patterns):
        out = []
        for p in patterns:
            inc = p.get("include")
            if inc is None:
                out.append(p)
            elif inc.startswith("#"):
                r = self.repo[inc[1:]]
                out += self.rules([r] if "match" in r or "begin" in r else r["patterns"])
            elif inc == "$self":
                out += self.rules(self.data["patterns"])
        return out

    def tokenize(self, lines):
        stack, result = [(None, ())], []
        for line in lines:
            cols, pos = [()] * len(line), 0

            def paint(m, scopes, captures):
                cols[m.start():m.end()] = [scopes] * (m.end() - m.start())
                for k, cap in (captures or {}).items():
                    if m.group(int(k)) is not None and "name" in cap:
                        a, b = m.span(int(k))
                        cols[a:b] = [scopes + (cap["name"],)] * (b - a)
            while True:
                rule, scopes = stack[-1]
                best = None
                if rule is not None:
                    m = self.regex(rule["end"]).search(line, pos)
                    best = m and (m, None)
                for p in self.rules(rule.get("patterns", []) if rule else self.data["patterns"]):
                    m = self.regex(p.get("match") or p["begin"]).search(line, pos)
                    if m and (best is None or m.start() < best[0].start()):
                        best = (m, p)
                if best is None:
                    break
                m, p = best
                cols[pos:m.start()] = [scopes] * (m.start() - pos)
                inner = scopes + ((p["name"],) if p and "name" in p else ())
                if p is None:
                    paint(m, scopes, rule.get("endCaptures"))
                    stack.pop()
                elif "match" in p:
                    paint(m, inner, p.get("captures"))
                else:
                    paint(m, inner, p.get("beginCaptures"))
                    stack.append((p, inner))
                pos = m.end()
                if p and "match" in p and m.start() == m.end():  # an empty match must not stall
                    if pos >= len(line):
                        break
                    cols[pos], pos = scopes, pos + 1
            cols[pos:] = [stack[-1][1]] * (len(line) - pos)
            result.append(cols)
        return result


SCOPE_KINDS = {"comment.line.korvex": "line", "comment.block.korvex": "block",
               "keyword.control.directive.korvex": "directive", "support.function.korvex": "inline",
               "variable.other.group.korvex": "group", "constant.language.korvex": "builtin",
               "punctuation.separator.statement.korvex": "split",
               "punctuation.separator.continuation.korvex": "join", "meta.unparsed.korvex": "unparsed"}
VIM_KINDS = {"korvexLineRemark": "line", "korvexBlockRemark": "block", "korvexClosedRemark": "block",
             "korvexStatement": "directive", "korvexInline": "inline", "korvexGroupRef": "group",
             "korvexBuiltin": "builtin", "korvexSeparator": "split", "korvexJoin": "join",
             "korvexUnparsed": "unparsed"}


def scope_kind(scopes):
    return next((SCOPE_KINDS[s] for s in reversed(scopes) if s in SCOPE_KINDS), None)


def compare(name, lines, got, failures):
    """Adds a failure for each character whose kind differs from Korvex's."""
    for num, (line, want, have) in enumerate(zip(lines, expected_kinds(lines), got), 1):
        for col, (w, h) in enumerate(zip(want, have), 1):
            if w != h:
                failures.append(f"{name}:{num}:{col}: expected {w}, editor gives {h}: {line}")
                break


def check_grammar(path, corpus):
    failures = []
    data = json.loads(path.read_text())
    if data.get("scopeName") != "source.korvex":
        failures.append("scopeName is not source.korvex")
    # Every regex compiles with Python's re (the grammar keeps to the subset
    # Oniguruma and re share) and every include names a rule.
    def walk(node):
        if isinstance(node, dict):
            for key, value in node.items():
                if key in ("match", "begin", "end", "while"):
                    try:
                        re.compile(value)
                    except re.error as e:
                        failures.append(f"regex {value!r} does not compile: {e}")
                elif key == "include" and not (value in ("$self", "source.verilog") or
                                               value[1:] in data.get("repository", {})):
                    failures.append(f"include {value} names no rule")
                walk(value)
        elif isinstance(node, list):
            for item in node:
                walk(item)
    walk(data)
    if {"include": "source.verilog"} not in data["patterns"]:
        failures.append("the top-level patterns do not include source.verilog")
    if failures:
        return failures
    grammar = Grammar(data)
    for name, lines in corpus:
        tokens = grammar.tokenize(lines)
        compare(name, lines, [[scope_kind(s) for s in cols] for cols in tokens], failures)
        # Standing alone, the grammar still knows Verilog's line comments.
        for num, (line, cols) in enumerate(zip(lines, tokens), 1):
            col = line.find("//")
            if line.lstrip().startswith("//") and scope_kind(cols[col]) is None \
                    and "comment.line.double-slash.verilog" not in cols[col]:
                failures.append(f"{name}:{num}: the Verilog comment is not marked: {line}")
    return failures


def check_vim(editors, corpus, work):
    vim = shutil.which("vim")
    if vim is None:
        return None
    files = []
    for i, (name, lines) in enumerate(corpus):
        f = work / f"{i}_{pathlib.Path(name).name}"
        f.write_text("\n".join(lines) + "\n")
        files.append(str(f))
    out = work / "vim.out"
    script = work / "check.vim"
    script.write_text(f"""let s:out = []
for s:f in {json.dumps(files)}
  execute 'edit' fnameescape(s:f)
  call add(s:out, '@' . &filetype)
  if &filetype !=# 'korvex' | setlocal filetype=korvex | endif
  for s:l in range(1, line('$'))
    call add(s:out, join(map(range(1, col([s:l, '$']) - 1),
          \\ {{_, c -> synIDattr(synID(s:l, c, 1), 'name')}}), ','))
  endfor
endfor
call writefile(s:out, {json.dumps(str(out))})
qall!
""")
    run = subprocess.run([vim, "-Es", "-u", "NONE", "-i", "NONE", "-N", "-c", f"set rtp+={editors}/vim",
                          "-c", "filetype on", "-c", "syntax on", "-S", str(script)],
                         capture_output=True, text=True, timeout=120, stdin=subprocess.DEVNULL)
    if not out.exists():
        return [f"vim wrote nothing (status {run.returncode}): {run.stdout}{run.stderr}"]
    failures, rows = [], out.read_text().split("\n")
    for name, lines in corpus:
        filetype = rows.pop(0)
        if name.endswith(".kv") and filetype != "@korvex":
            failures.append(f"{name}: a *.kv file gets filetype {filetype[1:]!r}, not korvex")
        got = [[VIM_KINDS.get(g) for g in rows.pop(0).split(",")] for _ in lines]
        compare(name, lines, got, failures)
    return failures


def main():
    src, mode = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2]
    paths = sorted(src.glob("examples/*/*.v")) + sorted(src.glob("tests/cases/guide_*/in/**/*.v"))
    corpus = [(str(p.relative_to(src)), p.read_text().split("\n")) for p in paths]
    corpus.append(("tricky.kv", TRICKY.split("\n")))
    with tempfile.TemporaryDirectory() as tmp:
        if mode == "textmate":
            failures = check_grammar(src / "editors/vscode/syntaxes/korvex.tmLanguage.json", corpus)
        else:
            failures = check_vim(src / "editors", corpus, pathlib.Path(tmp))
            if failures is None:
                print("vim not found: the Vim syntax check is skipped")
                return 77
    for f in failures[:40]:
        print("FAIL", f)
    if failures:
        print(f"{len(failures)} line(s) highlighted otherwise than Korvex reads them")
        return 1
    counts = {}
    for _, lines in corpus:
        for kinds in expected_kinds(lines):
            for k in set(kinds) - {None}:
                counts[k] = counts.get(k, 0) + 1
    print(f"{mode}: {len(corpus)} files agree with Korvex; lines holding each kind: "
          + ", ".join(f"{k} {n}" for k, n in sorted(counts.items())))
    return 0


if __name__ == "__main__":
    sys.exit(main())

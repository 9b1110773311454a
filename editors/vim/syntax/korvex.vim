" Vim syntax file
" Language:	Korvex (Verilog with Korvex directives)
"
" Verilog highlighting with Korvex's statements, inline forms, group
" references, built-in swaps and remarks on top. Korvex reads its keywords
" and remarks as text wherever they stand, so they are highlighted inside
" Verilog comments and strings too, and a remark cuts whatever it meets.

if exists("b:current_syntax")
  finish
endif

runtime! syntax/verilog.vim
unlet! b:current_syntax

syn case match

" Every Korvex group: none of them is looked for inside another.
syn cluster korvexAll contains=korvexStatement,korvexGroupKind,korvexInline,korvexGroupRef,korvexBuiltin,korvexSeparator,korvexJoin,korvexUnparsed,korvexLineRemark,korvexBlockRemark,korvexClosedRemark

" A statement keyword opens a line or follows the ;; separator.
syn match korvexStatement "\v%(^\s*|;;\s*)@<=%(IFNDEF|IFNOT|IFDEF|IF|ELSE|ENDIF|%(DEFINE|UNDEF|SWAP)%(\.%(GLOBAL|CMD))?|LOOP%(\.GLOBAL)?|ENUM|CHECK|ENDBUILD|BUILD|ENDLOOP|ENDITER|ITER|GROUP|STOMP|INCLUDE|CREATE|OUTFILE|OUTDIR|LIST|STARTPARSE)\w@!" containedin=ALLBUT,@korvexAll
syn match korvexGroupKind "\v%(GROUP\s+\w+\s+)@<=%(is|overrides|extends|joins|inverts)>" containedin=ALLBUT,@korvexAll

" Inline forms, group references and built-in swaps are replaced inside
" words too (4'bDUPL(01 2), m_GROUP_req).
syn match korvexInline "\v%(%(GONCAT|CONCAT)%(\.REV)?|EXPR|LOG2|BIN|OCT|HEX|DUPL|UCASE|LCASE|CONST|TRUE|DVAL|VERIFY|DEFCMD)\ze\(" containedin=ALLBUT,@korvexAll
syn match korvexInline "PORTS" containedin=ALLBUT,@korvexAll
syn match korvexGroupRef "\vGROUP_\w+%(\.\h\w*)*" containedin=ALLBUT,@korvexAll
syn match korvexBuiltin "VERSION\|BUILD_NUM" containedin=ALLBUT,@korvexAll
syn match korvexSeparator ";;" containedin=ALLBUT,@korvexAll
syn match korvexJoin "\\\\" containedin=ALLBUT,@korvexAll

" From a line holding ENDPARSE to one holding STARTPARSE nothing is
" processed but the remarks.
syn region korvexUnparsed matchgroup=korvexStatement start="ENDPARSE" end="STARTPARSE" extend contains=korvexLineRemark,korvexBlockRemark containedin=ALLBUT,@korvexAll

" Remarks last, so that they win over anything starting at the same place.
" Korvex looks for the block markers before the line remark: a <## further
" on a ## line still opens a block remark.
syn region korvexBlockRemark start="<##" end="##>" extend contains=@Spell containedin=ALLBUT,@korvexAll
syn match korvexClosedRemark "<##.\{-}##>" contained contains=@Spell
syn region korvexLineRemark start="##" end="$" end="\%(<##\%(.*##>\)\@!\)\@=" contains=korvexClosedRemark,@Spell containedin=ALLBUT,@korvexAll

" A block remark or an unparsed region can run far from where it opens.
syn sync fromstart

hi def link korvexStatement PreProc
hi def link korvexGroupKind PreProc
hi def link korvexInline Function
hi def link korvexGroupRef Macro
hi def link korvexBuiltin Constant
hi def link korvexSeparator Special
hi def link korvexJoin Special
hi def link korvexLineRemark Comment
hi def link korvexBlockRemark Comment
hi def link korvexClosedRemark Comment

let b:current_syntax = "korvex"

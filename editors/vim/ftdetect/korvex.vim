" Korvex sources and definition files: *.kv (Vim would take them for kivy).
" A Korvex file named *.v can say so in a remark among its first or last
" five lines, which Korvex drops from its output:
"   ## vim: set filetype=korvex:
autocmd BufNewFile,BufRead *.kv set filetype=korvex

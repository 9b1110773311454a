OUTFILE child_out.v
CHECK(WIDTH)
CHECK(MODE)
child WIDTH MODE LOCAL
IFDEF FAST
fast_from_parent
ENDIF FAST
IFDEF EXTRA
extra_from_defcmd
ENDIF EXTRA
IFDEF DROPPED
dropped_is_defined
ELSE DROPPED
dropped_is_undefined
ENDIF DROPPED

child 8 fast 2
fast_from_parent
extra_from_defcmd
dropped_is_undefined



INCLUDE sub/inc.v

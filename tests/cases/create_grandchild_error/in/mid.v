wire m;

CREATE sub/leaf.v

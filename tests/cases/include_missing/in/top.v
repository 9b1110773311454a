wire a;
INCLUDE nothere.v

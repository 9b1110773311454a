## Shared by both variants (read through INCLUDE).
SWAP.GLOBAL VENDOR acme
ENUM OP_ADD OP_SUB OP_XOR

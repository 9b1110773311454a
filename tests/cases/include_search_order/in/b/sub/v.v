SWAP V from_b

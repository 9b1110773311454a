SWAP out result

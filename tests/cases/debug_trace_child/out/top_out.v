top



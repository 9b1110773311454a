SWAP A_ B_B
SWAP B_B a_replacement_value_much_longer_than_the_name_and_any_slack
SWAP SHRINK s
SWAP AA aa
SWAP DEL NULL
SWAP ZZ zz_joined
SWAP GROW gggggggg

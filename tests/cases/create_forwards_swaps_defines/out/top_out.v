top 8 1



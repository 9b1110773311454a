a

b T

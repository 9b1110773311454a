LOOP A 4
GROUP g has {
}

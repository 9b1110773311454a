GROUP a is {
PERSON 8 input
}

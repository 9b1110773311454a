GROUP b is {
z 1 input
}
GROUP isr_bus joins {
GROUP b
}

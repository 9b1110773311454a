CREATE nothere.v

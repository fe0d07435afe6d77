// The button controls of the program live in the folders beside this file.

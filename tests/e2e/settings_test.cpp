// (cases being written)

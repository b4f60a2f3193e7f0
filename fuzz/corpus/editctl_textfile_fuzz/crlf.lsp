(princ)

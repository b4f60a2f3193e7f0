;; InitSection
    (action_tile "c1" "(OnCol)")
    (action_tile "b1" "(OnB1)")
;; SetSection
;; GetSection
;; FunctionSection
(defun OnCol()  ;Start of OnCol()
   (princ)
);End of OnCol()
(defun OnB1()  ;Start of OnB1()
);End of OnB1()

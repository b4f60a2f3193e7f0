;; InitSection
    (action_tile "r" "(OnRow)")
    (action_tile "b1" "(OnB1)")
;; SetSection
;; GetSection
;; FunctionSection
(defun OnRow()  ;Start of OnRow()
);End of OnRow()
(defun OnB1()  ;Start of OnB1()
);End of OnB1()

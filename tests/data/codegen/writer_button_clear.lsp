;; InitSection
    (action_tile "b" "(DoGo)")
;; SetSection
;; GetSection
;; FunctionSection
(defun DoGo()  ;Start of DoGo()
);End of DoGo()
